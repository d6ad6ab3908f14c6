// SPDX-License-Identifier: GPL-3.0-or-later
// The scan's results as JSON, the output of the show command.
#pragma once

#include "journal/JournalTypes.h"

#include <string>

namespace plenta {

// The same, indented, as UTF-8 text; a byte sequence that is no UTF-8 is replaced instead of failing.
std::string ScanToJsonText(const JournalScan &scan);

} // namespace plenta
