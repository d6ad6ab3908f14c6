// SPDX-License-Identifier: GPL-3.0-or-later
// Escapes byte by byte; a C1 control is two bytes in UTF-8 (C2 80-9F) and is escaped as its code point.
#include "ShownText.h"

#include <array>

namespace plenta {

namespace {

void AppendEscaped(std::string &out, unsigned value) {
    constexpr std::array<char, 16> HEX{'0', '1', '2', '3', '4', '5', '6', '7',
                                       '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    out += "\\x";
    out += HEX[(value >> 4) & 0xF];
    out += HEX[value & 0xF];
}

} // namespace

std::string ShownText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) {
            AppendEscaped(out, byte);
        } else if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            AppendEscaped(out, static_cast<unsigned char>(text[++i]));
        } else if (byte == '\\') {
            out += "\\\\";
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

} // namespace plenta
