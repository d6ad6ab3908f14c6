// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the command-line tool as a child process, as a script or a second copy of the program would, so that a
// test can kill it at any moment or run two at once.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace plenta::reliability {

struct ToolExit {
    int code = -1;  // the exit code, or -1 when a signal ended the process
    int signal = 0; // the signal that ended it, or 0
};

// The built plenta-journal.
std::filesystem::path ToolPath();

// The tool's arguments for one journal and a fixed today.
std::vector<std::string> ToolArgs(const std::filesystem::path &journal, std::vector<std::string> command);

// Starts the tool with its output thrown away; returns the child's pid.
pid_t SpawnTool(const std::vector<std::string> &args);

ToolExit WaitTool(pid_t pid);

inline ToolExit RunTool(const std::vector<std::string> &args) {
    return WaitTool(SpawnTool(args));
}

// A run that is watched: how it ended, how long it took, its peak memory and what it printed on stderr.
struct WatchedRun {
    ToolExit exit;
    std::chrono::milliseconds took{0};
    long peakKiB = 0;
    std::string errors;
};

// Runs the tool with `fileSizeLimit` bytes as RLIMIT_FSIZE (0: none), killing it after `deadline`, so that a
// hang shows as a failed trial rather than a stuck suite.
WatchedRun RunWatched(const std::vector<std::string> &args, std::chrono::seconds deadline,
                      unsigned long fileSizeLimit = 0);

} // namespace plenta::reliability
