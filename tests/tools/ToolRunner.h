// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built plenta-journal binary as a user would and captures what it prints.
#pragma once

#include <TempFolder.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace plenta::test {

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
    long peakKilobytes = 0; // the tool's peak resident set, from wait4
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

} // namespace plenta::test
