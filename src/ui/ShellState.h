// SPDX-License-Identifier: GPL-3.0-or-later
// The program's state from start-up to exit: where the journal lies, the last scan's results, the chart
// layout and the picture. The scan replaces `scan` as a whole; the mark buttons edit its pending marks.
#pragma once

#include "chart/ChartLayout.h"
#include "chart/Picture.h"
#include "journal/JournalPaths.h"
#include "journal/JournalTypes.h"

namespace plenta {

struct ShellState {
    ResolvedPaths paths;
    JournalScan scan;
    ChartLayout layout;
    Picture picture;
};

} // namespace plenta
