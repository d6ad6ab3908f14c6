// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between the program's UTF-8 text and the journal's Windows-1252 bytes, by the project's own
// table.
#pragma once

#include <string>
#include <string_view>

namespace plenta {

// Every byte has a character, so decoding never fails; the five bytes 1252 leaves free map to the C1
// controls.
std::string Cp1252ToUtf8(std::string_view bytes);

// A character that 1252 cannot hold, and every malformed UTF-8 sequence, is written as '?'.
std::string Utf8ToCp1252(std::string_view text);

// The length of the UTF-8 sequence at text[pos], or 0 when it is malformed (overlong forms, surrogates and
// values beyond U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

// The number of characters (code points) of UTF-8 text; malformed bytes count one each.
std::size_t Utf8Length(std::string_view text);

// The first `count` characters of UTF-8 text.
std::string_view Utf8Prefix(std::string_view text, std::size_t count);

// A 1252 byte with its letter case folded to lower case (ASCII, the accented letters and the umlauts), so
// that comments are compared without regard to case the way the handheld's list box compared them.
constexpr unsigned char FoldCase1252(unsigned char byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
        return static_cast<unsigned char>(byte + 0x20);
    }
    switch (byte) {
    case 0x8A: // S caron
    case 0x8C: // OE
    case 0x8E: // Z caron
        return static_cast<unsigned char>(byte + 0x10);
    case 0x9F: // Y diaeresis
        return 0xFF;
    default:
        return byte;
    }
}

} // namespace plenta
