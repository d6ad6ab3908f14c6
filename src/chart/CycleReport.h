// SPDX-License-Identifier: GPL-3.0-or-later
// The report for the doctor: an A4 PDF with the statistics, the chart of all cycles as the window paints it,
// and each recent cycle with its own chart and a table of its days. The command-line tool's chart painter
// and the window both write it through this one function.
#pragma once

#include "journal/JournalTypes.h"

#include <filesystem>

namespace plenta {

struct ReportRequest {
    std::filesystem::path journal;
    Date today;
    std::filesystem::path picture; // the strip's picture, which the window paints under the chart
    std::filesystem::path output;
    int cycles = 6; // counted cycles before the running one
};

inline constexpr int DEFAULT_REPORT_CYCLES = 6;
inline constexpr int MAX_REPORT_CYCLES = 99;

// The page is laid out in pixels of this resolution, and the chart images are drawn one image pixel to one
// page pixel, so a viewer or printer at this resolution shows them exactly as painted, without smoothing.
inline constexpr int REPORT_DPI = 300;
inline constexpr int REPORT_CHART_SCALE = 8; // the chart of all cycles, 1920 pixels (163 mm) wide
inline constexpr int REPORT_STRIP_SCALE = 4; // each cycle's own chart
// Where the chart of all cycles stands on the first page, in pixels at REPORT_DPI from the page's corner.
inline constexpr int REPORT_CHART_LEFT = 280;
inline constexpr int REPORT_CHART_TOP = 1000;
// The rows of the window's chart that the report shows: the chart and its day numbers, not the picture.
inline constexpr int REPORT_CHART_ROWS = 140;

enum class ReportStatus { Written, JournalUnreadable, OutputFailed };

// Writes the report through a temporary file that replaces `output` only when complete. Needs a Qt Gui
// application object.
ReportStatus WriteReport(const ReportRequest &request);

} // namespace plenta
