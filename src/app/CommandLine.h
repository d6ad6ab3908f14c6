// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's own command-line options, read before any Qt object exists, so that --help and
// --version answer without a display. Qt's options (-platform, -style, ...) are left for QApplication.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace plenta {

enum class StartAction { Run, Help, Version, UsageError };

struct StartOptions {
    StartAction action = StartAction::Run;
    // The zoom asked for on the command line; nothing lets the remembered or the screen's zoom apply.
    std::optional<int> zoom;
    // What was wrong, for StartAction::UsageError.
    std::string error;
};

// Reads the arguments after the program name.
StartOptions ParseCommandLine(std::span<const char *const> arguments);

// The --help text: usage, options and every key of the window.
std::string HelpText();

// Prints what --help, --version or a usage error asks for and returns the exit code; nothing for Run.
std::optional<int> AnswerWithoutWindow(const StartOptions &options);

} // namespace plenta
