// SPDX-License-Identifier: GPL-3.0-or-later
// The record reader of the scan's loop: a line laid out as the program writes it ("dddd/dd/dd,dd.d,..."),
// which is nearly every line of a journal, is taken apart in place with a few word-wide tests; any other line
// goes to the general rules (ReadRecordByRules), which give the same result for every line. Inline, so that
// the loop has it in place instead of a call per line.
#pragma once

#include "journal/DayNumbers.h"
#include "journal/JournalRecord.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace plenta {

// The layout of a written line and the byte tables of its reader.
namespace record_layout {

inline std::uint64_t Load8(const char *bytes) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Eight bytes of a fixed layout, 'd' for a digit and any other character for itself, as tests on a
// little-endian word: the bytes masked to their high nibble (all of a fixed character) must match, and a
// digit plus 6 must still have the high nibble 3 (0x3A to 0x3F would not). No byte carries into the next once
// the first test holds.
struct WordLayout {
    std::uint64_t mask = 0;
    std::uint64_t value = 0;
    std::uint64_t plusSix = 0;
    std::uint64_t digitMask = 0;
    std::uint64_t digitValue = 0;
};

constexpr WordLayout LayoutOf(std::string_view eight) {
    WordLayout layout;
    for (std::size_t i = 0; i < 8; ++i) {
        const unsigned shift = 8 * static_cast<unsigned>(i);
        if (eight[i] == 'd') {
            layout.mask |= std::uint64_t{0xF0} << shift;
            layout.value |= std::uint64_t{0x30} << shift;
            layout.plusSix |= std::uint64_t{0x06} << shift;
            layout.digitMask |= std::uint64_t{0xF0} << shift;
            layout.digitValue |= std::uint64_t{0x30} << shift;
        } else {
            layout.mask |= std::uint64_t{0xFF} << shift;
            layout.value |= std::uint64_t{static_cast<unsigned char>(eight[i])} << shift;
        }
    }
    return layout;
}

constexpr bool Matches(std::uint64_t word, const WordLayout &layout) {
    return ((word & layout.mask) == layout.value) &
           (((word + layout.plusSix) & layout.digitMask) == layout.digitValue);
}

constexpr WordLayout HEAD_LAYOUT = LayoutOf("dddd/dd/");
constexpr WordLayout TAIL_LAYOUT = LayoutOf("dd,dd.d,");

// Bytes 0 to 7 in `head` and 8 to 15 in `tail` as the program writes them: the numbers are plain digits, so
// atoi's result is their value, and no NUL cuts the line before the attribute.
constexpr bool IsWrittenLayout(std::uint64_t head, std::uint64_t tail) {
    // Both halves are always tested and joined with a bitwise and: one branch for the pair, not two.
    const bool headMatches = Matches(head, HEAD_LAYOUT);
    const bool tailMatches = Matches(tail, TAIL_LAYOUT);
    return headMatches & tailMatches;
}

constexpr int Digit(char c) {
    return c - '0';
}

// What a byte after the temperature can end: one table look-up instead of a chain of comparisons.
constexpr std::uint8_t CLASS_SEPARATOR = 1;
constexpr std::uint8_t CLASS_BLANK = 2;
constexpr std::uint8_t CLASS_NUL = 4;
constexpr std::array<std::uint8_t, 256> BYTE_CLASS = [] {
    std::array<std::uint8_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        const char c = static_cast<char>(byte);
        table[byte] = static_cast<std::uint8_t>((IsSeparator(c) ? CLASS_SEPARATOR : 0) |
                                                (IsBlank(c) ? CLASS_BLANK : 0) | (c == '\0' ? CLASS_NUL : 0));
    }
    return table;
}();
constexpr std::uint8_t ClassOf(char c) {
    return BYTE_CLASS[static_cast<unsigned char>(c)];
}

constexpr std::array<std::uint8_t, 256> MARK_OF_BYTE = [] {
    std::array<std::uint8_t, 256> table{};
    for (const MarkLetter &known : MARK_LETTERS) {
        table[static_cast<unsigned char>(known.letter)] = known.mark;
    }
    return table;
}();

} // namespace record_layout

class RecordReader {
public:
    // Fills `record` from a line without its line end and returns true; false for a line that is no record
    // (then `record` holds nothing of use). The views point into the line.
    [[gnu::always_inline]] bool Read(std::string_view line, RecordFields &record) {
        using namespace record_layout;
        if constexpr (std::endian::native == std::endian::little) {
            // One unsigned comparison for both bounds: at least the fixed fields, at most a record's text.
            if (line.size() - ATTRIBUTE_OFFSET <= MAX_RECORD_TEXT_BYTES - ATTRIBUTE_OFFSET) {
                const std::uint64_t head = Load8(line.data());
                const std::uint64_t tail = Load8(line.data() + 8);
                // Records come in date order, so nearly every line begins with the year and month of the one
                // before, whose layout was tested then: only the second half is left to test.
                if (head == monthHead_) {
                    if (Matches(tail, TAIL_LAYOUT)) {
                        return ReadDay(line, record);
                    }
                } else if (IsWrittenLayout(head, tail)) {
                    return EnterMonth(line, head) && ReadDay(line, record);
                }
            }
        }
        // The general rules fill a record of their own, copied over: were `record` handed to a call, it
        // would live in memory, and every field the loop writes and reads would go through it.
        const std::optional<RecordFields> other = ReadRecordByRules(line);
        if (other) {
            record = *other;
        }
        return other.has_value();
    }

private:
    // The year and month of a head not seen before: false when they name no month of years 1601 to 9999.
    bool EnterMonth(std::string_view line, std::uint64_t head) {
        using namespace record_layout;
        const char *text = line.data();
        const std::int32_t year =
            ((Digit(text[0]) * 10 + Digit(text[1])) * 10 + Digit(text[2])) * 10 + Digit(text[3]);
        const std::int32_t month = Digit(text[5]) * 10 + Digit(text[6]);
        if (year < FIRST_RECORD_YEAR || month < 1 || month > 12) {
            return false;
        }
        monthHead_ = head;
        month_ = std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)};
        monthKey_ = year * 10000 + month * 100;
        const std::chrono::year_month_day_last last{month_ / std::chrono::last};
        days_ = static_cast<std::int32_t>(static_cast<unsigned>(last.day()));
        // The full calendar conversion once a month; a day within the month counts on from its first day.
        monthStart_ =
            static_cast<std::int32_t>(DayNumber(Date{last.year(), last.month(), std::chrono::day{1}}));
        return true;
    }

    // The rest of a written line whose year and month are those kept; in the loop, where the compiler would
    // not always place it.
    [[gnu::always_inline]] bool ReadDay(std::string_view line, RecordFields &record) {
        using namespace record_layout;
        const char *const text = line.data();
        const std::int32_t day = Digit(text[8]) * 10 + Digit(text[9]);
        if (day < 1 || day > days_) {
            return false;
        }
        const char *const end = text + line.size();
        const char *const attribute = text + ATTRIBUTE_OFFSET;
        const char *attributeEnd = attribute;
        // The attribute field holds four letters; the rest of a longer token is not part of it, nor are its
        // marks. They are gathered on the way, without a second loop over the letters.
        std::uint8_t marks = 0;
        while (attributeEnd < end && (ClassOf(*attributeEnd) & (CLASS_SEPARATOR | CLASS_NUL)) == 0) {
            const std::uint8_t within = attributeEnd - attribute < MAX_ATTRIBUTE_CHARS ? 0xFF : 0;
            // Both bytes, so their AND is one too.
            marks |=
                static_cast<std::uint8_t>(MARK_OF_BYTE[static_cast<unsigned char>(*attributeEnd)] & within);
            ++attributeEnd;
        }
        // A NUL ends the line's text: after one in the attribute there is no comment.
        const char *comment = attributeEnd;
        const char *commentEnd = attributeEnd;
        if (attributeEnd < end && *attributeEnd != '\0') {
            while (comment < end && (ClassOf(*comment) & CLASS_SEPARATOR) != 0) {
                ++comment;
            }
            commentEnd = end;
            if (comment < end) {
                if (const void *nul = std::memchr(comment, '\0', static_cast<std::size_t>(end - comment))) {
                    commentEnd = static_cast<const char *>(nul);
                }
            }
            while (commentEnd > comment && (ClassOf(commentEnd[-1]) & (CLASS_SEPARATOR | CLASS_BLANK)) != 0) {
                --commentEnd;
            }
        }
        const auto attributeLength = std::min(static_cast<std::size_t>(attributeEnd - attribute),
                                              static_cast<std::size_t>(MAX_ATTRIBUTE_CHARS));
        record.date = month_ / std::chrono::day{static_cast<unsigned>(day)};
        record.dateKey = monthKey_ + day;
        record.dayNumber = monthStart_ + day - 1;
        record.temperature = (Digit(text[11]) * 10 + Digit(text[12])) * 10 + Digit(text[14]);
        record.attribute = std::string_view(attribute, attributeLength);
        record.comment = std::string_view(comment, static_cast<std::size_t>(commentEnd - comment));
        record.marks = marks;
        return true;
    }

    // The first eight bytes ("dddd/dd/") of the last written line whose year and month were valid, and those:
    // as a month, as the first part of a date key, the month's length and the day number of its first day.
    std::uint64_t monthHead_ = 0;
    std::chrono::year_month month_{};
    std::int32_t monthKey_ = 0;
    std::int32_t days_ = 0;
    std::int32_t monthStart_ = 0;
};

} // namespace plenta
