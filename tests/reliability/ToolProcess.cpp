// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the command-line tool as a child process.
#include "ToolProcess.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char **environ;

namespace plenta::reliability {

std::filesystem::path ToolPath() {
    return PLENTA_JOURNAL_TOOL;
}

std::vector<std::string> ToolArgs(const std::filesystem::path &journal, std::vector<std::string> command) {
    std::vector<std::string> args{ToolPath().string(), "--journal", journal.string(), "--today",
                                  "2026-12-07"};
    args.insert(args.end(), command.begin(), command.end());
    return args;
}

pid_t SpawnTool(const std::vector<std::string> &args) {
    std::vector<char *> argv;
    for (const std::string &arg : args) {
        argv.push_back(const_cast<char *>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        throw std::runtime_error("cannot start " + args[0]);
    }
    return pid;
}

WatchedRun RunWatched(const std::vector<std::string> &args, std::chrono::seconds deadline,
                      unsigned long fileSizeLimit) {
    char errorsPath[] = "/tmp/plenta-tool-stderr-XXXXXX";
    const int errors = ::mkstemp(errorsPath);
    if (errors < 0) {
        throw std::runtime_error("cannot create a file for the tool's stderr");
    }
    ::unlink(errorsPath);
    std::vector<char *> argv;
    for (const std::string &arg : args) {
        argv.push_back(const_cast<char *>(arg.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(errors, 2);
        if (fileSizeLimit != 0) {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::execve(argv[0], argv.data(), environ);
        ::_exit(127);
    }
    WatchedRun run;
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (std::chrono::steady_clock::now() - start > deadline) {
            ::kill(pid, SIGKILL);
        }
        ::usleep(2000);
    }
    run.took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    run.peakKiB = usage.ru_maxrss;
    run.exit = WIFSIGNALED(status) ? ToolExit{.code = -1, .signal = WTERMSIG(status)}
                                   : ToolExit{.code = WEXITSTATUS(status), .signal = 0};
    char block[4096];
    ssize_t got = 0;
    off_t offset = 0;
    while ((got = ::pread(errors, block, sizeof block, offset)) > 0) {
        run.errors.append(block, static_cast<std::size_t>(got));
        offset += got;
    }
    ::close(errors);
    return run;
}

ToolExit WaitTool(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return {};
        }
    }
    if (WIFSIGNALED(status)) {
        return {.code = -1, .signal = WTERMSIG(status)};
    }
    return {.code = WEXITSTATUS(status), .signal = 0};
}

} // namespace plenta::reliability
