// The picked date's fields as the entry form shows them after a scan's refresh, without any widget.
#pragma once

#include <JournalTypes.h>

#include <string>
#include <vector>

namespace plenta {

// A date without a record shows the defaults (36.5, no comment, no marks). A comment selects the first item
// of the rebuilt comment list that begins with it, ignoring case, which is what the form's box then displays;
// an empty comment shows an empty field.
DaySelection SelectionAsShown(const DaySelection &selection, const std::vector<std::string> &comments);

} // namespace plenta
