// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's exit codes and the one place that prints its own error lines, so scripts can tell the cases
// apart.
#pragma once

#include <iostream>
#include <string_view>

namespace plenta {

enum class ExitCode : int {
    Success = 0,
    Failure = 1, // the journal could not be read or written, or the output could not be stored
    Usage = 2,   // the command line was wrong; nothing was touched
    // The journal was changed, but the local history of changes could not be written: the change stands and
    // cannot be undone.
    Unrecorded = 3,
};

// Prints "plenta-journal: <message>" on stderr and hands back the code, so callers can `return Fail(...)`.
inline ExitCode Fail(ExitCode code, std::string_view message) {
    std::cerr << "plenta-journal: " << message << '\n';
    return code;
}

} // namespace plenta
