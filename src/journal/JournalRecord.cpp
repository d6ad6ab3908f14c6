// SPDX-License-Identifier: GPL-3.0-or-later
// The journal line format. Readers work on the raw 1252 bytes; as the separators and the fixed fields are
// ASCII, byte offsets equal the character offsets the handheld used after its wide-character conversion.
#include "journal/JournalRecord.h"

#include "journal/CodePage.h"
#include "journal/DayNumbers.h"
#include "journal/RecordReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>

namespace plenta {

namespace {

constexpr std::int64_t ATOI_LIMIT = 2147483647;

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The first token from `pos` on, skipping leading separators; `pos` moves past it.
std::string_view NextToken(std::string_view text, std::size_t &pos) {
    while (pos < text.size() && IsSeparator(text[pos])) {
        ++pos;
    }
    const std::size_t begin = pos;
    while (pos < text.size() && !IsSeparator(text[pos])) {
        ++pos;
    }
    return text.substr(begin, pos - begin);
}

// The rest of the line from the first non-separator at or after `pos`, less trailing separators and blanks:
// a comment of several words, or one holding a comma, is the user's own text and is read whole.
std::string_view RestOfLine(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsSeparator(text[pos])) {
        ++pos;
    }
    std::size_t end = text.size();
    while (end > pos && (IsSeparator(text[end - 1]) || IsBlank(text[end - 1]))) {
        --end;
    }
    return text.substr(std::min(pos, end), end - std::min(pos, end));
}

constexpr int Digit(char c) {
    return c - '0';
}

constexpr std::int32_t DaysInMonth(std::int32_t year, std::int32_t month) {
    constexpr std::array<std::int32_t, 12> DAYS{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month != 2) {
        return DAYS[static_cast<std::size_t>(month - 1)];
    }
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
}

// Eight bytes at `offset` as one little-endian number; the caller makes sure they lie within the line.
std::uint64_t Load8(std::string_view line, std::size_t offset) {
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, line.data() + offset, sizeof bytes);
    return bytes;
}

// One bit 7 per byte of `bytes` that is no ASCII digit: the bytes are turned into digit values, and a byte
// that is no digit lies at 0x0A or above after that (each byte is tested within itself, with no carry into
// its neighbour).
constexpr std::uint64_t NonDigits(std::uint64_t bytes) {
    constexpr std::uint64_t HIGH_BITS = 0x8080808080808080U;
    constexpr std::uint64_t ZEROS = 0x3030303030303030U;
    constexpr std::uint64_t TENS = 0x0A0A0A0A0A0A0A0AU;
    const std::uint64_t values = bytes ^ ZEROS;
    return (((values | HIGH_BITS) - TENS) | values) & HIGH_BITS;
}

// Bytes 0 to 7 "dddd?dd?", then bytes 3 to 10 "d?dd?dd?" (d a digit, ? no digit): the layout of every date
// the program writes, told with two loads instead of eleven tests.
constexpr std::uint64_t FIRST_EIGHT_NON_DIGITS = 0x8000008000000000U;
constexpr std::uint64_t LAST_THREE = 0xFFFFFF0000000000U;
constexpr std::uint64_t LAST_THREE_NON_DIGITS = 0x8000000000000000U;

// The numbers at offsets 0, 5 and 8 by atoi's rules. Every line the program writes has the digits in place,
// and atoi's result is then the plain digit value; only other lines take the general road.
void ReadDate(std::string_view line, std::int32_t &year, std::int32_t &month, std::int32_t &day) {
    bool laidOut = false;
    if constexpr (std::endian::native == std::endian::little) {
        laidOut = line.size() > 10 && NonDigits(Load8(line, 0)) == FIRST_EIGHT_NON_DIGITS &&
                  (NonDigits(Load8(line, 3)) & LAST_THREE) == LAST_THREE_NON_DIGITS;
    } else {
        laidOut = line.size() > 10 && IsDigit(line[0]) && IsDigit(line[1]) && IsDigit(line[2]) &&
                  IsDigit(line[3]) && !IsDigit(line[4]) && IsDigit(line[5]) && IsDigit(line[6]) &&
                  !IsDigit(line[7]) && IsDigit(line[8]) && IsDigit(line[9]) && !IsDigit(line[10]);
    }
    if (laidOut) {
        year = ((Digit(line[0]) * 10 + Digit(line[1])) * 10 + Digit(line[2])) * 10 + Digit(line[3]);
        month = Digit(line[5]) * 10 + Digit(line[6]);
        day = Digit(line[8]) * 10 + Digit(line[9]);
        return;
    }
    year = AtoiAt(line, 0);
    month = AtoiAt(line, 5);
    day = AtoiAt(line, 8);
}

} // namespace

std::int32_t AtoiAt(std::string_view line, std::size_t offset) {
    std::size_t pos = offset;
    while (pos < line.size() && IsBlank(line[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < line.size() && (line[pos] == '+' || line[pos] == '-')) {
        negative = line[pos] == '-';
        ++pos;
    }
    std::int64_t value = 0;
    while (pos < line.size() && IsDigit(line[pos])) {
        value = std::min<std::int64_t>(value * 10 + (line[pos] - '0'), ATOI_LIMIT);
        ++pos;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t DateKey(std::string_view line) {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    ReadDate(line, year, month, day);
    const std::int64_t key = std::int64_t{year} * 10000 + std::int64_t{month} * 100 + std::int64_t{day};
    // Only a hand-made line reaches beyond 32 bits; saturating keeps its order among the others.
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(key, INT32_MIN, INT32_MAX));
}

std::string_view StripLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::uint8_t MarkOfLetter(char letter) {
    for (const MarkLetter &known : MARK_LETTERS) {
        if (known.letter == letter) {
            return known.mark;
        }
    }
    return 0;
}

std::uint8_t MarksOf(std::string_view attribute) {
    std::uint8_t marks = 0;
    for (const char c : attribute) {
        marks |= MarkOfLetter(c);
    }
    return marks;
}

std::optional<RecordFields> ReadRecord(std::string_view line) {
    std::optional<RecordFields> record{RecordFields{}};
    if (!RecordReader().Read(line, *record)) {
        record.reset();
    }
    return record;
}

std::optional<RecordFields> RecordOfLine(std::string_view line) {
    return ReadRecord(StripLineEnd(line));
}

std::string_view TrimComment(std::string_view text) {
    return RestOfLine(text, 0);
}

std::optional<RecordFields> ReadRecordByRules(std::string_view line) {
    // Every path returns this one object, so it is built where the caller keeps it; returning a finished
    // local made GCC copy the whole record with a "rep movs" block copy, a sixth of the scan's time.
    std::optional<RecordFields> record;
    // The bound holds for the line's bytes as the scan reads them, before a NUL ends its text.
    if (line.size() > MAX_RECORD_TEXT_BYTES) {
        return record;
    }
    // A NUL ends the line's text, as the conversion to wide characters ended it on the handheld; what follows
    // it is neither attribute nor comment.
    line = line.substr(0, line.find('\0'));
    // The temperature is exactly two digits, a point and one digit: "36.55" is no record, not 36.5.
    if (line.size() < ATTRIBUTE_OFFSET || !IsDigit(line[11]) || !IsDigit(line[12]) || line[13] != '.' ||
        !IsDigit(line[14]) || !IsSeparator(line[15])) {
        return record;
    }
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    ReadDate(line, year, month, day);
    if (year < FIRST_RECORD_YEAR || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return record;
    }
    std::size_t pos = ATTRIBUTE_OFFSET;
    std::string_view attribute;
    if (pos < line.size() && !IsSeparator(line[pos])) {
        attribute = NextToken(line, pos);
    }
    const std::string_view comment = RestOfLine(line, pos);
    // The reader's attribute field holds four letters; the rest of a longer token is not part of it.
    attribute = attribute.substr(0, MAX_ATTRIBUTE_CHARS);
    const Date date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                    std::chrono::day{static_cast<unsigned>(day)}};
    record.emplace(RecordFields{
        .date = date,
        .dateKey = year * 10000 + month * 100 + day,
        .dayNumber = static_cast<std::int32_t>(DayNumber(date)),
        .temperature = ((line[11] - '0') * 10 + (line[12] - '0')) * 10 + (line[14] - '0'),
        .attribute = attribute,
        .comment = comment,
        .marks = MarksOf(attribute),
    });
    return record;
}

std::string FormatRecord(Date date, std::int32_t temperature, std::string_view marksUtf8,
                         std::string_view commentUtf8) {
    const std::string marks = Utf8ToCp1252(marksUtf8);
    const std::string comment = Utf8ToCp1252(commentUtf8);
    char head[32];
    std::snprintf(head, sizeof head, "%04d/%02d/%02d,%02d.%d,", static_cast<int>(date.year()),
                  static_cast<int>(static_cast<unsigned>(date.month())),
                  static_cast<int>(static_cast<unsigned>(date.day())), temperature / 10, temperature % 10);
    std::string record = head;
    record.reserve(record.size() + marks.size() + comment.size() + 3);
    record += marks;
    record += ',';
    record += comment;
    record += "\r\n";
    return record;
}

std::string FormatDate(DateStyle style, Date date) {
    const int year = static_cast<int>(date.year());
    const auto month = static_cast<unsigned>(date.month());
    const auto day = static_cast<unsigned>(date.day());
    // Every scan formats the picked date, and printf's set-up costs more than the rest of a small scan's own
    // work; the digits of any year a record can hold are written by hand.
    if (year >= 0 && year <= 9999 && month <= 99 && day <= 99) {
        std::array<char, 10> text{};
        std::size_t size = 0;
        const auto put = [&](unsigned value, unsigned digits) {
            for (unsigned place = digits; place-- > 0; value /= 10) {
                text[size + place] = static_cast<char>('0' + value % 10);
            }
            size += digits;
        };
        // The record pads the year to four digits; the form's selection text leaves it as it is.
        const auto y = static_cast<unsigned>(year);
        put(y, style == DateStyle::Record || y >= 1000 ? 4 : y >= 100 ? 3 : y >= 10 ? 2 : 1);
        text[size++] = '/';
        put(month, 2);
        text[size++] = '/';
        put(day, 2);
        return std::string(text.data(), size);
    }
    char text[24];
    std::snprintf(text, sizeof text, style == DateStyle::Record ? "%04d/%02d/%02d" : "%d/%02d/%02d", year,
                  static_cast<int>(month), static_cast<int>(day));
    return text;
}

std::string RecordDatePrefix(Date date) {
    return FormatDate(DateStyle::Record, date);
}

} // namespace plenta
