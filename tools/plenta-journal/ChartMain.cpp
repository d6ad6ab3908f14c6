// SPDX-License-Identifier: GPL-3.0-or-later
// plenta-journal-chart JOURNAL PICKED TODAY PICTURE OUTPUT SCALE, or plenta-journal-chart --report JOURNAL
// TODAY PICTURE OUTPUT CYCLES: the painter that plenta-journal's chart and report commands start with the
// values they have already checked (dates as YYYY-MM-DD). Not meant to be run by
// hand; it is the one part of the tool that needs Qt.
#include "ChartExport.h"
#include "UsageChecks.h"

#include <exception>
#include <string>
#include <string_view>

int main(int argc, char **argv) {
    using namespace plenta;
    SayReasonsInTheToolsLanguage();
    constexpr int ARGUMENTS = 7;
    if (argc != ARGUMENTS) {
        return static_cast<int>(
            Fail(ExitCode::Usage, "the chart painter is started by plenta-journal chart, not by hand"));
    }
    try {
        if (std::string_view(argv[1]) == REPORT_MODE) {
            return static_cast<int>(
                RunReport({argv[2], ParseDate(argv[3]), argv[4], argv[5], std::stoi(argv[6])}));
        }
        const ChartRequest request{argv[1], ParseDate(argv[2]), ParseDate(argv[3]), argv[4],
                                   argv[5], std::stoi(argv[6])};
        return static_cast<int>(RunChart(request));
    } catch (const UsageError &error) {
        return static_cast<int>(Fail(ExitCode::Usage, error.what()));
    } catch (const std::exception &error) {
        return static_cast<int>(Fail(ExitCode::Failure, error.what()));
    }
}
