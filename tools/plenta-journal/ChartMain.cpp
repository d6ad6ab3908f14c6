// plenta-journal-chart JOURNAL PICKED TODAY PICTURE OUTPUT SCALE: the chart painter that plenta-journal's
// chart command starts with the values it has already checked (dates as YYYY-MM-DD). Not meant to be run by
// hand; it is the one part of the tool that needs Qt.
#include "ChartExport.h"
#include "UsageChecks.h"

#include <exception>
#include <string>

int main(int argc, char **argv) {
    using namespace plenta;
    constexpr int ARGUMENTS = 7;
    if (argc != ARGUMENTS) {
        return static_cast<int>(
            Fail(ExitCode::Usage, "the chart painter is started by plenta-journal chart, not by hand"));
    }
    try {
        const ChartRequest request{argv[1], ParseDate(argv[2]), ParseDate(argv[3]), argv[4],
                                   argv[5], std::stoi(argv[6])};
        return static_cast<int>(RunChart(request));
    } catch (const UsageError &error) {
        return static_cast<int>(Fail(ExitCode::Usage, error.what()));
    } catch (const std::exception &error) {
        return static_cast<int>(Fail(ExitCode::Failure, error.what()));
    }
}
