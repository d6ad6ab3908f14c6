// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the tool with posix_spawn, its stdout and stderr sent to files, so the test sees both streams apart.
#include "ToolRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

extern char **environ;

namespace plenta::test {
namespace {

std::vector<std::string> MergedEnvironment(const std::vector<EnvSetting> &settings) {
    std::vector<std::string> merged;
    for (char **entry = environ; *entry != nullptr; ++entry) {
        const std::string variable(*entry);
        const std::string name = variable.substr(0, variable.find('='));
        bool replaced = false;
        for (const EnvSetting &setting : settings) {
            replaced = replaced || setting.name == name;
        }
        if (!replaced) {
            merged.push_back(variable);
        }
    }
    for (const EnvSetting &setting : settings) {
        merged.push_back(setting.name + "=" + setting.value);
    }
    return merged;
}

std::vector<char *> PointersOf(std::vector<std::string> &texts) {
    std::vector<char *> pointers;
    for (std::string &text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ToolResult RunTool(const std::vector<std::string> &args, const std::vector<EnvSetting> &env) {
    return RunProgram(PLENTA_JOURNAL_TOOL, args, env);
}

ToolResult RunProgram(const std::string &program, const std::vector<std::string> &args,
                      const std::vector<EnvSetting> &env) {
    const TempFolder capture;
    const std::string outPath = capture / "stdout";
    const std::string errPath = capture / "stderr";

    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> envp = MergedEnvironment(env);
    std::vector<char *> argvPointers = PointersOf(argv);
    std::vector<char *> envpPointers = PointersOf(envp);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, argvPointers.data(), envpPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(spawned));
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    ToolResult result;
    result.peakKilobytes = usage.ru_maxrss;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    return result;
}

} // namespace plenta::test
