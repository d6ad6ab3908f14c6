// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that follow the user's language without Qt: PLENTA_TEXT marks a German source text for lupdate (as an
// alias of QT_TRANSLATE_NOOP), and the table generated from the .ts files gives its translation.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

// The text itself; lupdate reads the context and the text into the .ts files.
#define PLENTA_TEXT(context, text) text

namespace plenta {

struct TranslatedText {
    std::string_view context;
    std::string_view source;
    std::string_view translation;
};

// The translation of the source text in its context from the table; the source text itself when the table
// holds none, as Qt's translate does.
template <std::size_t N>
constexpr std::string_view LookUp(const std::array<TranslatedText, N> &table, std::string_view context,
                                  std::string_view source) {
    for (const TranslatedText &entry : table) {
        if (entry.context == context && entry.source == source) {
            return entry.translation;
        }
    }
    return source;
}

// The text with each "%1", "%2", ... replaced by the value of that position, as QString::arg places them.
inline std::string WithArgs(std::string_view text, std::initializer_list<std::string_view> values) {
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
