// SPDX-License-Identifier: GPL-3.0-or-later
// Command-line value checks: strict formats, so that a typo never becomes a stored record.
#include "UsageChecks.h"

#include "journal/CodePage.h"
#include "journal/JournalExport.h"
#include "journal/JournalRecord.h"
#include "journal/ReasonText.h"
#include "platform/LocalText.h"

namespace plenta {
namespace {

constexpr int FIRST_YEAR = 1601; // day numbers count from 1 January 1601
constexpr int LAST_YEAR = 9999;  // the record's year field has four digits

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitsValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    return !text.empty();
}

} // namespace

std::string_view Said(std::string_view german) {
    return LocalText("plenta-journal", german);
}

std::string Said(std::string_view german, std::initializer_list<std::string_view> values) {
    return WithArgs(Said(german), values);
}

void SayReasonsInTheToolsLanguage() {
    SetReasonLookUp(
        [](std::string_view context, std::string_view source) { return LocalText(context, source); });
}

Date ParseDate(std::string_view text) {
    const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' &&
                        AllDigits(text.substr(0, 4)) && AllDigits(text.substr(5, 2)) &&
                        AllDigits(text.substr(8, 2));
    if (!shaped) {
        throw UsageError(WithArgs(
            Said(PLENTA_TEXT("plenta-journal", "Datum '%1' hat nicht die Form JJJJ-MM-TT")), {text}));
    }
    const int year = DigitsValue(text.substr(0, 4));
    const Date date{std::chrono::year{year},
                    std::chrono::month{static_cast<unsigned>(DigitsValue(text.substr(5, 2)))},
                    std::chrono::day{static_cast<unsigned>(DigitsValue(text.substr(8, 2)))}};
    if (!date.ok() || year < FIRST_YEAR || year > LAST_YEAR) {
        throw UsageError(WithArgs(
            Said(PLENTA_TEXT("plenta-journal", "Datum '%1' ist kein Kalenderdatum zwischen 1601 und 9999")),
            {text}));
    }
    return date;
}

std::int32_t ParseTemperature(std::string_view text) {
    std::int32_t tenths = -1;
    if (text.size() == 2 && AllDigits(text)) {
        tenths = DigitsValue(text) * 10;
    } else if (text.size() == 4 && AllDigits(text.substr(0, 2)) && text[2] == '.' && IsDigit(text[3])) {
        tenths = DigitsValue(text.substr(0, 2)) * 10 + DigitsValue(text.substr(3, 1));
    }
    if (tenths < TEMPERATURE_BOTTOM || tenths > TEMPERATURE_TOP) {
        throw UsageError(WithArgs(
            Said(PLENTA_TEXT("plenta-journal", "Temperatur '%1' ist keine von 35.5, 35.6, ... 37.5")),
            {text}));
    }
    return tenths;
}

std::string CheckMarks(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char letter = text[i];
        if (MarkOfLetter(letter) == 0) {
            throw UsageError(WithArgs(
                Said(PLENTA_TEXT("plenta-journal", "Zeichen '%1' ist keiner der Buchstaben 1 S E X")),
                {std::string(1, letter)}));
        }
        if (text.find(letter) != i) {
            throw UsageError(
                WithArgs(Said(PLENTA_TEXT("plenta-journal", "Zeichen '%1' ist doppelt angegeben")),
                         {std::string(1, letter)}));
        }
        if (letter == LETTER_FIRST_DAY && i != 0) {
            throw UsageError(std::string(
                Said(PLENTA_TEXT("plenta-journal", "Zeichen '1' muss zuerst kommen: der erste Tag löscht "
                                                   "beim Einschalten die anderen Zeichen"))));
        }
    }
    return std::string(text);
}

std::string CheckComment(std::string_view text) {
    int characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            throw UsageError(
                std::string(Said(PLENTA_TEXT("plenta-journal", "Kommentar ist kein gültiges UTF-8"))));
        }
        const auto lead = static_cast<unsigned char>(text[i]);
        if (length == 1 && (lead < 0x20 || lead == 0x7F)) {
            throw UsageError(std::string(Said(PLENTA_TEXT(
                "plenta-journal",
                "Kommentar enthält ein Steuerzeichen (Zeilenumbrüche und Tabulatoren sind nicht erlaubt)"))));
        }
        i += length;
        ++characters;
    }
    if (characters > MAX_COMMENT_CHARS) {
        throw UsageError(WithArgs(
            Said(PLENTA_TEXT("plenta-journal", "Kommentar hat %1 Zeichen; erlaubt sind höchstens %2")),
            {std::to_string(characters), std::to_string(MAX_COMMENT_CHARS)}));
    }
    return std::string(text);
}

std::string FormatIsoDate(Date date) {
    return IsoDate(date);
}

} // namespace plenta
