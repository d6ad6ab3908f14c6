// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the values a user types on the command line; each turns text into what the entry form would hold,
// or throws UsageError before anything touches the journal.
#pragma once

#include "journal/JournalTypes.h"
#include <TranslatedText.h>

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace plenta {

// A text of the tool in the user's language: the German source, or its translation under the context
// "plenta-journal".
std::string_view Said(std::string_view german);

// The same with each "%1", "%2", ... replaced by the value of that position.
std::string Said(std::string_view german, std::initializer_list<std::string_view> values);

// Lets the journal library's reasons, which the tool prints after its own words, follow the same language.
void SayReasonsInTheToolsLanguage();

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "YYYY-MM-DD", a calendar date the date picker can show (years 1601 to 9999).
Date ParseDate(std::string_view text);

// "DD.D" or "DD", one of the temperature list's items 35.5 to 37.5; the result is in tenths.
std::int32_t ParseTemperature(std::string_view text);

// The pending mark string as the toolbar builds it: letters 1 S E X, each at most once, '1' only first
// (switching the first day on clears every other mark, so nothing can stand before it).
std::string CheckMarks(std::string_view text);

// A comment the form's box lets through: valid UTF-8, at most MAX_COMMENT_CHARS characters, no control
// characters (a line break would split the record in two).
std::string CheckComment(std::string_view text);

// "YYYY-MM-DD" of a date, the form ParseDate reads: the export's date text.
std::string FormatIsoDate(Date date);

} // namespace plenta
