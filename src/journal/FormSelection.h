// SPDX-License-Identifier: GPL-3.0-or-later
// What the entry form shows of the picked date after a scan, worked out without any widget, so that the
// window's form refresh and plenta-journal's "show" cannot disagree.
#pragma once

#include "journal/JournalTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace plenta {

struct FormSelection {
    // The day's fields as the form shows them: the defaults (36.5, no comment, no marks) for a date without
    // a record, otherwise exactly as stored.
    DaySelection selection;
    // The comment list's item that is the shown comment, or -1 (none, the field holds the text alone).
    int commentItem = -1;
};

// The form's view of the scan's selection, given the comment list the form offers.
FormSelection FormSelectionOf(const DaySelection &scanned, const std::vector<std::string> &comments);

} // namespace plenta
