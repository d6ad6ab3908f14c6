// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that follow the user's language without Qt: PLENTA_TEXT marks a German source text for lupdate (as an
// alias of QT_TRANSLATE_NOOP), and the table generated from the .ts files gives its translation.
#pragma once

#include <array>
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

} // namespace plenta
