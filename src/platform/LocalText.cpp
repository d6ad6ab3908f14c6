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

} // namespace plenta
