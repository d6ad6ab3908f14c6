// SPDX-License-Identifier: GPL-3.0-or-later
// Comments are converted character by character, so the user learns which characters the journal's code page
// could not keep instead of finding question marks later.
#include "journal/ImportFields.h"

#include "journal/CodePage.h"
#include "journal/JournalRecord.h"
#include "journal/ReasonText.h"

namespace plenta {

namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int Number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// The attribute of the marks in the order the toolbar would switch them on: "1" first, then S, E, X.
std::string AttributeOf(std::uint8_t marks) {
    std::string attribute;
    for (const MarkLetter &letter : MARK_LETTERS) {
        if ((marks & letter.mark) != 0) {
            attribute += letter.letter;
        }
    }
    return attribute;
}

} // namespace

std::optional<Date> ParseImportDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !AllDigits(text.substr(0, 4)) ||
        !AllDigits(text.substr(5, 2)) || !AllDigits(text.substr(8, 2))) {
        return std::nullopt;
    }
    const Date date{std::chrono::year{Number(text.substr(0, 4))},
                    std::chrono::month{static_cast<unsigned>(Number(text.substr(5, 2)))},
                    std::chrono::day{static_cast<unsigned>(Number(text.substr(8, 2)))}};
    if (!date.ok() || date.year() < std::chrono::year{1601}) {
        return std::nullopt;
    }
    return date;
}

ImportComment ConvertComment(std::string_view utf8, std::optional<std::size_t> maxChars) {
    ImportComment comment;
    std::size_t chars = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t length = std::max<std::size_t>(Utf8SequenceLength(utf8, pos), 1);
        const std::string_view character = utf8.substr(pos, length);
        pos += length;
        if (maxChars && chars == *maxChars) {
            comment.cut = true;
            break;
        }
        ++chars;
        if (character != "?" && Utf8ToCp1252(character) == "?") {
            comment.lost += character;
            comment.text += '?';
        } else {
            comment.text += character;
        }
    }
    return comment;
}

void AddImportedRecord(ImportedRecords &imported, const CsvRow &row, std::string_view dateText, Date date,
                       std::int32_t temperature, std::uint8_t marks, const ImportComment &comment) {
    std::string record = FormatRecord(date, temperature, AttributeOf(marks), comment.text);
    record.resize(record.size() - 2); // the merge keeps its records without line end
    imported.records.records[DateKey(record)] = std::move(record);
    if (!comment.lost.empty()) {
        imported.changed.push_back(
            {row.line, std::string(dateText),
             ReasonText(
                 PLENTA_TEXT(
                     "journal",
                     "die Zeichen \"%1\" des Kommentars gibt es in Windows-1252 nicht, sie wurden zu '?'"),
                 {comment.lost})});
    }
    if (comment.cut) {
        imported.changed.push_back(
            {row.line, std::string(dateText),
             ReasonText(PLENTA_TEXT("journal", "der Kommentar wurde auf %1 Zeichen gekürzt"),
                        {std::to_string(MAX_COMMENT_CHARS)})});
    }
}

std::string RowError(const CsvRow &row, std::string_view what) {
    return ReasonText(PLENTA_TEXT("journal", "Zeile %1: %2"), {std::to_string(row.line), what});
}

} // namespace plenta
