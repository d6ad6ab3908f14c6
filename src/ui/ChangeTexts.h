// SPDX-License-Identifier: GPL-3.0-or-later
// What the program's boxes say about changes of the journal, in the window's language: the days they touched
// with a long list shortened, counted lines, and the warning for a change the local history could not take.
#pragma once

#include "journal/ChangeHistory.h"
#include "journal/JournalTypes.h"

#include <string>
#include <vector>

namespace plenta {

// "01.12.2026", "01.12.2026 und 08.12.2026", "01.12.2026, 02.12.2026 und 08.12.2026"; beyond
// MAX_LISTED_DATES the first of them and "und 7 weitere Tage", so that a box stays on the screen after a
// merge touched a year of days. In English with "and" and "more days".
inline constexpr int MAX_LISTED_DATES = 5;
std::string DateListText(const std::vector<Date> &dates);

// A second line for a change that stands but that the history could not take, so it cannot be undone; empty
// otherwise.
std::string HistoryWarning(const ChangeRecording &recording);

// `count` in the singular's or the plural's own sentence ("%1" for the count), translated under `context`:
// each language words its own plural.
std::string CountedText(const char *context, std::size_t count, const char *one, const char *many);

} // namespace plenta
