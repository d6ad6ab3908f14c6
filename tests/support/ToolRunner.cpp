// SPDX-License-Identifier: GPL-3.0-or-later
// One way to start a child: fork and execve, with stdin from /dev/null, stdout and stderr sent to files (so
// the test sees both streams apart) or thrown away, and an optional file-size limit set in the child.
#include "ToolRunner.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

extern char **environ;

namespace plenta::test {
namespace {

constexpr const char *NOWHERE = "/dev/null";

std::vector<std::string> MergedEnvironment(const std::vector<EnvSetting> &settings) {
    std::vector<std::string> merged;
    for (char **entry = environ; *entry != nullptr; ++entry) {
        const std::string variable(*entry);
        const std::string name = variable.substr(0, variable.find('='));
        bool replaced = name == "LC_ALL";
        for (const EnvSetting &setting : settings) {
            replaced = replaced || setting.name == name;
        }
        if (!replaced) {
            merged.push_back(variable);
        }
    }
    // The programs speak the user's language; a test sees the German of the C locale unless it asks for
    // another, whatever the locale of the shell that runs the suite.
    bool localeSet = false;
    for (const EnvSetting &setting : settings) {
        merged.push_back(setting.name + "=" + setting.value);
        localeSet = localeSet || setting.name == "LC_ALL";
    }
    if (!localeSet) {
        merged.emplace_back("LC_ALL=C.UTF-8");
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

struct ChildSetup {
    std::vector<EnvSetting> env;
    std::string outPath = NOWHERE;
    std::string errPath = NOWHERE;
    unsigned long fileSizeLimit = 0;
};

// Opens `path` as the child's descriptor `target`; only async-signal-safe calls, for the child of a fork.
bool Redirect(const char *path, int flags, int target) {
    const int fd = ::open(path, flags, 0600);
    if (fd < 0 || ::dup2(fd, target) < 0) {
        return false;
    }
    return fd == target || ::close(fd) == 0;
}

// Everything the child needs is built before the fork: tests run the tool from several threads at once, and
// the child of a threaded process may only make async-signal-safe calls until it executes the program.
pid_t Start(const std::string &program, const std::vector<std::string> &args, const ChildSetup &setup) {
    if (::access(program.c_str(), X_OK) != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> envp = MergedEnvironment(setup.env);
    const std::vector<char *> argvPointers = PointersOf(argv);
    const std::vector<char *> envpPointers = PointersOf(envp);
    const rlimit limit{setup.fileSizeLimit, setup.fileSizeLimit};
    const pid_t pid = ::fork();
    if (pid < 0) {
        throw std::runtime_error("cannot fork for " + program);
    }
    if (pid == 0) {
        const int written = O_WRONLY | O_CREAT | O_TRUNC;
        if (Redirect(NOWHERE, O_RDONLY, STDIN_FILENO) &&
            Redirect(setup.outPath.c_str(), written, STDOUT_FILENO) &&
            Redirect(setup.errPath.c_str(), written, STDERR_FILENO) &&
            (setup.fileSizeLimit == 0 || ::setrlimit(RLIMIT_FSIZE, &limit) == 0)) {
            ::execve(argvPointers[0], argvPointers.data(), envpPointers.data());
        }
        ::_exit(127);
    }
    return pid;
}

// Reaps the child, killing it once `deadline` (0: none) has passed since `start`.
ToolResult Finish(pid_t pid, std::chrono::steady_clock::time_point start, std::chrono::seconds deadline) {
    int status = 0;
    rusage usage{};
    pid_t reaped = 0;
    while (true) {
        reaped = ::wait4(pid, &status, deadline.count() == 0 ? 0 : WNOHANG, &usage);
        if (reaped != 0 && !(reaped < 0 && errno == EINTR)) {
            break;
        }
        if (reaped == 0 && std::chrono::steady_clock::now() - start > deadline) {
            ::kill(pid, SIGKILL);
        }
        if (reaped == 0) {
            ::usleep(2000);
        }
    }
    ToolResult result;
    result.took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    if (reaped < 0) {
        return result; // not our child, or already reaped: no exit to report
    }
    result.peakKilobytes = usage.ru_maxrss;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    result.exitCode = WIFSIGNALED(status) ? 128 + result.signal : WEXITSTATUS(status);
    return result;
}

ToolResult RunCaptured(const std::string &program, const std::vector<std::string> &args, ChildSetup setup,
                       std::chrono::seconds deadline) {
    const TempFolder capture;
    setup.outPath = capture / "stdout";
    setup.errPath = capture / "stderr";
    const auto start = std::chrono::steady_clock::now();
    ToolResult result = Finish(Start(program, args, setup), start, deadline);
    result.out = ReadBytes(setup.outPath);
    result.err = ReadBytes(setup.errPath);
    return result;
}

} // namespace

ToolResult RunTool(const std::vector<std::string> &args, const std::vector<EnvSetting> &env) {
    return RunProgram(PLENTA_JOURNAL_TOOL, args, env);
}

ToolResult RunProgram(const std::string &program, const std::vector<std::string> &args,
                      const std::vector<EnvSetting> &env) {
    return RunCaptured(program, args, {.env = env}, std::chrono::seconds{0});
}

ToolResult RunWatched(const std::vector<std::string> &args, std::chrono::seconds deadline,
                      unsigned long fileSizeLimit) {
    ChildSetup setup;
    setup.fileSizeLimit = fileSizeLimit;
    return RunCaptured(PLENTA_JOURNAL_TOOL, args, setup, deadline);
}

pid_t SpawnTool(const std::vector<std::string> &args) {
    return Start(PLENTA_JOURNAL_TOOL, args, {});
}

ToolResult WaitTool(pid_t pid) {
    return Finish(pid, std::chrono::steady_clock::now(), std::chrono::seconds{0});
}

std::vector<std::string> ToolArgs(const std::filesystem::path &journal,
                                  const std::vector<std::string> &command) {
    std::vector<std::string> args{"--journal", journal.string(), "--today", "2026-12-07"};
    args.insert(args.end(), command.begin(), command.end());
    return args;
}

} // namespace plenta::test
