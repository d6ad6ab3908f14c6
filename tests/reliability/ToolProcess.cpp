// Runs the command-line tool as a child process.
#include "ToolProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

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
