// flock with a bounded wait: a second is long enough for any rewrite, short enough for the user to wait.
#include "JournalLock.h"

#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace plenta {

std::filesystem::path HiddenCompanionOf(const std::filesystem::path &file, std::string_view suffix) {
    // Built by appending rather than with operator+, which trips a false -Werror=restrict in GCC 12 at -O3.
    std::string name(".");
    name += file.filename().string();
    name += suffix;
    return file.parent_path() / name;
}

std::filesystem::path JournalLock::LockPathOf(const std::filesystem::path &journal) {
    return HiddenCompanionOf(journal, ".lock");
}

JournalLock::JournalLock(const std::filesystem::path &journal, LockMode mode) {
    const std::filesystem::path lockPath = LockPathOf(journal);
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        // flock needs no write access: a lock file made by another user still guards a scan.
        fd_ = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd_ < 0) {
        return;
    }
    const int operation = (mode == LockMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    for (;;) {
        if (::flock(fd_, operation) == 0) {
            held_ = true;
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

JournalLock::~JournalLock() {
    if (fd_ >= 0) {
        ::close(fd_); // closing the descriptor releases the flock
    }
}

} // namespace plenta
