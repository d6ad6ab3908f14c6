// SPDX-License-Identifier: GPL-3.0-or-later
// One journal line: the writer of a record and the reader that takes a line apart by the journal's reading
// rules.
#pragma once

#include "journal/JournalTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plenta {

// Where a record's attribute begins: after "dddd/dd/dd,dd.d,".
inline constexpr std::size_t ATTRIBUTE_OFFSET = 16;

// The longest line the scan keeps, its line end included: far beyond any record (a few dozen bytes), so a
// longer line is read past and the scan's memory stays bounded whatever the file holds.
inline constexpr std::size_t MAX_LINE_BYTES = 64 * 1024;
// The longest line text (without its line end) that can be a record. A rewrite ends every line with CR LF,
// so a record stays within the scan's bound however its line was ended before.
inline constexpr std::size_t MAX_RECORD_TEXT_BYTES = MAX_LINE_BYTES - 2;
// Day numbers count from 1 January 1601; an earlier date has none and is no record.
inline constexpr int FIRST_RECORD_YEAR = 1601;

// The bytes that separate a record's fields.
constexpr bool IsSeparator(char c) {
    return c == ';' || c == ',' || c == '\t' || c == ' ';
}
// The blanks atoi skips and a comment's end loses.
constexpr bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A well-formed record as read from its 1252 bytes; the views point into the line.
struct RecordFields {
    Date date;
    std::int32_t dateKey = 0;
    std::int32_t dayNumber = 0;   // the date's DayNumber
    std::int32_t temperature = 0; // tenths
    std::string_view attribute;   // at most MAX_ATTRIBUTE_CHARS bytes
    std::string_view comment;     // the whole text after the attribute
    std::uint8_t marks = 0;       // MARK_ bits of the attribute's letters
};

// The number at `offset` as atoi reads it: blanks, a sign, then digits up to the first other byte; 0 without
// digits or past the line's end. Huge digit runs saturate instead of overflowing.
std::int32_t AtoiAt(std::string_view line, std::size_t offset);

// year * 10000 + month * 100 + day from the numbers at offsets 0, 5 and 8 (any line, even a malformed one).
std::int32_t DateKey(std::string_view line);

// The line without its line end: the LF and a CR before it go. Only a CR is cut, so a line that a desktop
// editor ended with a bare LF keeps its last character.
std::string_view StripLineEnd(std::string_view line);

// Takes a line (without its line end) apart. Nothing for a line that is no well-formed record: shorter than
// 16 bytes or longer than MAX_RECORD_TEXT_BYTES, no calendar date from 1601 on, or a temperature that is not
// two digits, a point and a digit followed by a separator. A NUL ends the line's text. The attribute is the
// first token from offset 16 (empty when a separator stands there); the comment is everything after it from
// its first non-separator, less trailing separators and blanks (TrimComment).
std::optional<RecordFields> ReadRecord(std::string_view line);

// The one reading of a journal line that every command shares: the scan, the form's selection, save, delete,
// export, merge and conflicts. A line, with or without its line end, is the record of date D for all of them
// exactly when this gives a record of D. Which line is the header, and whether a last line without line end
// is still being written, is the caller's to know.
std::optional<RecordFields> RecordOfLine(std::string_view line);

// A comment as a record's reader takes it from the text after the attribute: from its first non-separator
// on, less trailing separators and blanks. A save stores a comment trimmed so, so what the form shows is what
// the journal holds.
std::string_view TrimComment(std::string_view text);

// The same rules applied byte by byte; ReadRecord (and the scan's RecordReader) give the same result with a
// short road for lines laid out as the program writes them.
std::optional<RecordFields> ReadRecordByRules(std::string_view line);

// The MARK_ bit of one letter; 0 for a byte that is no mark letter.
std::uint8_t MarkOfLetter(char letter);

// The MARK_ bits of an attribute: each letter counts wherever it stands; other bytes carry no mark.
std::uint8_t MarksOf(std::string_view attribute);

// "%04d/%02d/%02d,%d.%d,%s,%s\r\n" in 1252 bytes, the texts given in UTF-8. The whole degrees are padded to
// two digits so that the attribute stays at offset 16 for every temperature from 0.0 to 99.9.
std::string FormatRecord(Date date, std::int32_t temperature, std::string_view marksUtf8,
                         std::string_view commentUtf8);

// How a date is written: a record's "%04d/%02d/%02d" or the form's selection text "%d/%02d/%02d".
enum class DateStyle { Record, Selection };
std::string FormatDate(DateStyle style, Date date);

// "%04d/%02d/%02d": the ten bytes that begin every record of the date.
std::string RecordDatePrefix(Date date);

} // namespace plenta
