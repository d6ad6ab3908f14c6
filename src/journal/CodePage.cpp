// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252 <-> UTF-8: the high half 0xA0..0xFF equals Latin-1, only 0x80..0x9F needs a table.
#include "journal/CodePage.h"

#include <array>
#include <cstdint>

namespace plenta {

namespace {

// Unicode of the bytes 0x80..0x9F; the unassigned ones keep their C1 code point so that they survive a round
// trip.
constexpr std::array<char32_t, 32> HIGH_CONTROLS{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string &out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

constexpr char32_t INVALID = 0xFFFFFFFF;

// The one UTF-8 decoder: the length of the well-formed sequence at `pos`, its code point in `code`; 0 for a
// malformed one (overlong forms, surrogates and values beyond U+10FFFF included).
std::size_t DecodeUtf8At(std::string_view text, std::size_t pos, char32_t &code) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (pos + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> SMALLEST{0, 0, 0x80, 0x800, 0x10000};
    if (code < SMALLEST[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

// Decodes one UTF-8 character at `pos` and advances it; a malformed sequence gives INVALID and skips one
// byte.
char32_t NextCodePoint(std::string_view text, std::size_t &pos) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8At(text, pos, code);
    if (length == 0) {
        ++pos;
        return INVALID;
    }
    pos += length;
    return code;
}

char EncodeOne(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    for (std::size_t i = 0; i < HIGH_CONTROLS.size(); ++i) {
        if (HIGH_CONTROLS[i] == code) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else if (byte < 0xA0) {
            AppendUtf8(out, HIGH_CONTROLS[byte - 0x80]);
        } else {
            AppendUtf8(out, byte);
        }
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t code = NextCodePoint(text, pos);
        out.push_back(code == INVALID ? '?' : EncodeOne(code));
    }
    return out;
}

std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
    char32_t ignored = 0;
    return DecodeUtf8At(text, pos, ignored);
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        NextCodePoint(text, pos);
        ++count;
    }
    return count;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < count && pos < text.size(); ++i) {
        NextCodePoint(text, pos);
    }
    return text.substr(0, pos);
}

} // namespace plenta
