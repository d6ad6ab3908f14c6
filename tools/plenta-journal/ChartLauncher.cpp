// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's side of the chart command: hands the checked request to the chart painter, a separate program,
// so that the other commands start without loading Qt and its libraries.
#include "ChartExport.h"

#include "UsageChecks.h"

#include "platform/DeviceRoot.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace plenta {
namespace {

constexpr const char *PAINTER_NAME = "plenta-journal-chart";

// Beside the tool in the build tree; in an installation in the library folder the build names relative to
// the tool's own folder, off the search path.
std::filesystem::path PainterPath() {
    const std::filesystem::path folder = ModulePath().parent_path();
    const std::filesystem::path beside = folder / PAINTER_NAME;
    if (::access(beside.c_str(), X_OK) == 0) {
        return beside;
    }
    return (folder / PLENTA_CHART_PAINTER_FOLDER / PAINTER_NAME).lexically_normal();
}

// The painter takes over this process: its output and its exit code are the command's.
ExitCode StartPainter(std::vector<std::string> arguments) {
    const std::filesystem::path painter = PainterPath();
    arguments.insert(arguments.begin(), painter.string());
    std::vector<char *> argv;
    for (std::string &argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    return Fail(ExitCode::Failure,
                Said(PLENTA_TEXT("plenta-journal", "kann den Kurvenzeichner '%1' nicht starten: %2"),
                     {painter.string(), std::strerror(errno)}));
}

} // namespace

ExitCode RunChart(const ChartRequest &request) {
    return StartPainter({request.journal.string(), FormatIsoDate(request.picked),
                         FormatIsoDate(request.today), request.picture.string(), request.output.string(),
                         std::to_string(request.scale)});
}

ExitCode RunReport(const ReportRequest &request) {
    return StartPainter({REPORT_MODE, request.journal.string(), FormatIsoDate(request.today),
                         request.picture.string(), request.output.string(), std::to_string(request.cycles)});
}

} // namespace plenta
