// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built programs as child processes, as a user, a script or a second copy of the program would: to
// the end with both output streams captured, under a deadline and a file-size limit, or in the background so
// that a test can kill it at any moment or run two at once.
#pragma once

#include <TempFolder.h>

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace plenta::test {

struct ToolResult {
    int exitCode = -1; // the exit code, or 128 + the signal that ended the process
    int signal = 0;    // the signal that ended the process, or 0
    std::string out;
    std::string err;
    long peakKilobytes = 0; // the child's peak resident set, from wait4
    std::chrono::milliseconds took{0};
};

// An environment variable set for one run, replacing the test's own value.
struct EnvSetting {
    std::string name;
    std::string value;
};

// Runs the tool with the arguments (without the program name) and waits for it.
ToolResult RunTool(const std::vector<std::string> &args, const std::vector<EnvSetting> &env = {});
// The same for another built program.
ToolResult RunProgram(const std::string &program, const std::vector<std::string> &args,
                      const std::vector<EnvSetting> &env = {});

// Runs the tool with `fileSizeLimit` bytes as RLIMIT_FSIZE (0: none), killing it after `deadline`, so that a
// hang shows as a failed run rather than a stuck suite.
ToolResult RunWatched(const std::vector<std::string> &args, std::chrono::seconds deadline,
                      unsigned long fileSizeLimit = 0);

// Starts the tool with its output thrown away and returns at once with the child's pid; WaitTool reaps it.
pid_t SpawnTool(const std::vector<std::string> &args);
ToolResult WaitTool(pid_t pid);

// The tool's arguments for one journal and a fixed today.
std::vector<std::string> ToolArgs(const std::filesystem::path &journal,
                                  const std::vector<std::string> &command);

} // namespace plenta::test
