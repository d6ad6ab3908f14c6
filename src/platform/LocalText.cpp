// SPDX-License-Identifier: GPL-3.0-or-later
// Looks texts up in the generated English table; German is the texts' own language and needs no table.
#include "platform/LocalText.h"

#include <EnglishTexts.h>

namespace plenta {

std::string_view LocalText(UiLanguage language, std::string_view context, std::string_view source) {
    return language == UiLanguage::English ? LookUp(ENGLISH_TEXTS, context, source) : source;
}

std::string_view LocalText(std::string_view context, std::string_view source) {
    // Read each time: a few getenv calls, and a test may change the environment between texts.
    return LocalText(ProcessLanguage(), context, source);
}

std::string WithArgs(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char digit = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto position = static_cast<std::size_t>(digit - '1');
        if (text[i] == '%' && digit >= '1' && digit <= '9' && position < values.size()) {
            out += values.begin()[position];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace plenta
