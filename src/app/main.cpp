// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point: the command line, start-up, then the event loop until the main window is
// destroyed.
#include "app/CommandLine.h"
#include "app/FontConfigPreload.h"
#include "app/StartApplication.h"

#include <QApplication>

#include <csignal>
#include <span>

int main(int argc, char **argv) {
    // --help, --version and usage errors are answered before Qt looks for a display.
    const char *const *arguments = argv + (argc > 0 ? 1 : 0);
    const plenta::StartOptions options =
        plenta::ParseCommandLine(std::span(arguments, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)));
    if (const std::optional<int> exitCode = plenta::AnswerWithoutWindow(options)) {
        return *exitCode;
    }
    // Under a file-size limit a save's write then fails with EFBIG and shows the program's error message,
    // instead of the signal ending the program mid-write.
    std::signal(SIGXFSZ, SIG_IGN);
    // Declared before the application, so that it is gone only after the application is.
    const plenta::FontConfigPreload fontConfig;
    QApplication app(argc, argv);
    const std::unique_ptr<plenta::Application> application =
        plenta::StartApplication(app, {.zoom = options.zoom, .holdPeriodMs = plenta::HOLD_PERIOD_MS});
    if (application == nullptr) {
        // Another instance runs and has been brought forward. The font configuration may still be being read:
        // Qt's font database frees it when the application goes, and the two must not overlap (the read would
        // load a configuration that nothing frees).
        plenta::FontConfigPreload::Wait();
        return 0;
    }
    app.exec();
    return 0; // every way out ends with exit code 0
}
