// SPDX-License-Identifier: GPL-3.0-or-later
// The rewrite beside other programs and odd files: it starts over when the journal changed under it, follows
// links to one lock, opens only regular files, keeps the journal's owner and says why it failed.
#include "journal/JournalRewrite.h"
#include "TempFolder.h"
#include "journal/JournalEdit.h"
#include "journal/JournalLock.h"
#include "journal/JournalScan.h"
#include "journal/ReadLease.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace plenta {
namespace {

using namespace std::chrono;
using test::AsNobody;
using test::HEADER;

constexpr Date DAY = 2003y / April / 5d;
const std::string RECORD = "2003/04/05,36.5,,\r\n";
const std::string OTHER = "2003/04/01,36.4,1,fremd\r\n";

EntryValues Entry() {
    return EntryValues{DAY, 365, "", ""};
}

class JournalRewriteTest : public testing::Test {
protected:
    // Writes the journal in place, as an editor would, without the lock.
    void WriteBehindItsBack(const std::string &bytes) { test::WriteBytes(journal_, bytes); }

    // Rewrites the journal to `HEADER + RECORD` (or its old content + RECORD); `meddle` runs inside the
    // transform, between the read and the rename, on the attempts it is given for.
    RewriteStatus Rewrite(const std::function<void(int attempt)> &meddle, int *attempts = nullptr) {
        int calls = 0;
        const RewriteStatus status = RewriteJournal(
            journal_, MissingJournal::Create, Durability::NoFsync,
            [&](std::string_view old, std::string &out) {
                out.assign(old.empty() ? std::string(HEADER) : std::string(old));
                out += RECORD;
                meddle(calls++);
            },
            &failure_);
        if (attempts != nullptr) {
            *attempts = calls;
        }
        return status;
    }

    test::TempFolder folder_;
    std::filesystem::path journal_ = folder_ / "Plenta.txt";
    RewriteFailure failure_;
};

// Each way another program can change the journal while a rewrite holds its copy: the rewrite must start
// over and build on what the other program wrote.
TEST_F(JournalRewriteTest, StartsOverWhenAnotherProgramChangedTheJournal) {
    struct Case {
        const char *name;
        bool exists;
        std::function<void(const std::filesystem::path &)> change;
    } const cases[] = {
        {"in place", true,
         [](const auto &j) {
             test::WriteBytes(j, HEADER + OTHER);
         }},
        {"deleted and created", true,
         [](const auto &j) {
             std::filesystem::remove(j);
             test::WriteBytes(j, HEADER + OTHER);
         }},
        {"replaced by rename", true,
         [](const auto &j) {
             test::WriteBytes(j.string() + ".new", HEADER + OTHER);
             std::filesystem::rename(j.string() + ".new", j);
         }},
        {"created while missing", false,
         [](const auto &j) {
             test::WriteBytes(j, HEADER + OTHER);
         }},
    };
    for (const Case &c : cases) {
        std::filesystem::remove(journal_);
        if (c.exists) {
            test::WriteBytes(journal_, std::string(HEADER));
        }
        int attempts = 0;
        EXPECT_EQ(Rewrite([&](int attempt) { attempt == 0 ? c.change(journal_) : void(); }, &attempts),
                  RewriteStatus::Written)
            << c.name;
        EXPECT_EQ(attempts, 2) << c.name;
        EXPECT_EQ(test::ReadBytes(journal_), HEADER + OTHER + RECORD) << c.name;
        EXPECT_FALSE(std::filesystem::exists(TemporaryPathOf(journal_))) << c.name;
    }
}

TEST_F(JournalRewriteTest, GivesUpOnAJournalThatKeepsChanging) {
    test::WriteBytes(journal_, std::string(HEADER));
    int attempts = 0;
    std::string other(HEADER);
    // The other program writes as many bytes as before each time, within one tick of the file times' clock.
    EXPECT_EQ(
        Rewrite(
            [&](int attempt) { WriteBehindItsBack(other = HEADER + std::to_string(attempt % 10) + "\r\n"); },
            &attempts),
        RewriteStatus::WriteFailed);
    EXPECT_GT(attempts, 2);
    // The other program's last write stands; nothing of the rewrite's.
    EXPECT_EQ(test::ReadBytes(journal_), other);
    EXPECT_NE(failure_.reason.find("immer wieder"), std::string::npos) << failure_.reason;
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathOf(journal_)));
}

// A program holding the journal open for writing writes into the file it opened, whatever stands at the
// journal's name by then: the save must wait for it rather than set that file aside.
TEST_F(JournalRewriteTest, WaitsForAProgramHoldingTheJournalOpenForWriting) {
    const std::string late = "2003/04/02,36.6,,spaet\r\n";
    test::WriteBytes(journal_, HEADER + OTHER);
    const int reading = ::open(journal_.c_str(), O_RDONLY);
    const bool leases = OpenWriters(reading) != Writers::Unknown;
    ::close(reading);
    if (!leases) {
        GTEST_SKIP() << "no leases on this file system";
    }
    // Another process, so that no thread of ours changes what later tests measure of this one.
    const int writing = ::open(journal_.c_str(), O_WRONLY | O_APPEND);
    const pid_t editor = ::fork();
    ASSERT_GE(editor, 0);
    if (editor == 0) {
        ::usleep(60'000);
        const bool written = ::write(writing, late.data(), late.size()) == static_cast<ssize_t>(late.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(writing);
    EXPECT_EQ(Rewrite([](int) {}), RewriteStatus::Written) << failure_.reason;
    int status = 1;
    ::waitpid(editor, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::ReadBytes(journal_), HEADER + OTHER + late + RECORD);
}

TEST_F(JournalRewriteTest, SymlinkedJournals) {
    const std::filesystem::path target = folder_ / "sync" / "real.txt";
    struct Case {
        const char *name;
        bool folderExists;
        std::string link; // what the journal's link points at
        EditOutcome outcome;
    } const cases[] = {
        {"dangling, folder there", true, "sync/real.txt", EditOutcome::Saved},
        {"dangling, folder missing", false, "sync/real.txt", EditOutcome::AccessError},
        {"absolute, via a second link", true, (folder_ / "hop").string(), EditOutcome::Saved},
        {"a loop", true, "Plenta.txt", EditOutcome::AccessError},
    };
    for (const Case &c : cases) {
        std::filesystem::remove_all(folder_ / "sync");
        std::filesystem::remove(folder_ / "hop");
        std::filesystem::remove(journal_);
        if (c.folderExists) {
            std::filesystem::create_directory(folder_ / "sync");
        }
        std::filesystem::create_symlink(target, folder_ / "hop");
        std::filesystem::create_symlink(c.link, journal_);
        EXPECT_EQ(SaveEntry(journal_, Entry()), c.outcome) << c.name;
        EXPECT_TRUE(std::filesystem::is_symlink(journal_)) << c.name;
        if (c.outcome == EditOutcome::Saved) {
            EXPECT_EQ(test::ReadBytes(target), HEADER + RECORD) << c.name;
            // Both paths lead to one lock, beside the target.
            EXPECT_EQ(JournalLock::LockPathOf(journal_), JournalLock::LockPathOf(target)) << c.name;
            EXPECT_TRUE(std::filesystem::exists(folder_ / "sync" / ".real.txt.lock")) << c.name;
            const std::optional<JournalScan> scan = LoadJournal(journal_, DAY, DAY);
            ASSERT_TRUE(scan.has_value()) << c.name;
            EXPECT_TRUE(scan->selection.hasEntry) << c.name;
        } else {
            EXPECT_FALSE(std::filesystem::exists(target)) << c.name;
        }
    }
}

TEST_F(JournalRewriteTest, ScanThroughALinkWaitsForAWriterAtTheTarget) {
    const std::filesystem::path target = folder_ / "real.txt";
    test::WriteBytes(target, HEADER + OTHER);
    std::filesystem::create_symlink("real.txt", journal_);
    const int fd = ::open(HiddenCompanionOf(target, ".lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0); // a rewrite at the target in another process
    EXPECT_FALSE(LoadJournal(journal_, DAY, DAY).has_value());
    ::close(fd);
    EXPECT_TRUE(LoadJournal(journal_, DAY, DAY).has_value());
}

// A link to a device: never opened, and no lock file made beside the device. (FIFOs, devices and folders in
// each file's place are tried through the tool in tests/reliability.)
TEST_F(JournalRewriteTest, LinkToADeviceIsNoJournal) {
    std::filesystem::create_symlink("/dev/null", journal_);
    EXPECT_FALSE(LoadJournal(journal_, DAY, DAY).has_value());
    EXPECT_EQ(SaveEntry(journal_, Entry(), Durability::NoFsync, &failure_), EditOutcome::AccessError);
    EXPECT_EQ(failure_.file, "/dev/null");
    EXPECT_EQ(DeleteDayEntries(journal_, DAY), EditOutcome::DatabaseError);
    EXPECT_FALSE(std::filesystem::exists("/dev/.null.lock"));
}

TEST_F(JournalRewriteTest, FailuresNameTheFileAndTheSystemsError) {
    test::WriteBytes(journal_, std::string(HEADER));
    std::filesystem::create_directory(TemporaryPathOf(journal_));
    test::WriteBytes(TemporaryPathOf(journal_) / "keep", "k");
    EXPECT_EQ(SaveEntry(journal_, Entry(), Durability::NoFsync, &failure_), EditOutcome::AccessError);
    EXPECT_EQ(failure_.file, TemporaryPathOf(journal_));
    EXPECT_NE(failure_.reason.find("Is a directory"), std::string::npos) << failure_.reason;
}

TEST_F(JournalRewriteTest, OwnerAndSetIdBits) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give files to other users";
    }
    // Root saving a user's journal keeps it the user's, with its bits.
    test::WriteBytes(journal_, std::string(HEADER));
    ASSERT_EQ(::chown(journal_.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(journal_.c_str(), 04750), 0);
    EXPECT_EQ(SaveEntry(journal_, Entry()), EditOutcome::Saved);
    struct stat info {};
    ASSERT_EQ(::stat(journal_.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(info.st_mode & 07777, 04750u);

    // A journal the user may not write stays as it is, although the user's folder would let a rename replace
    // it. One the user may write, root's set-user-id journal in the user's folder, cannot keep root as owner:
    // the file becomes the user's and loses the bit. A root-made 0600 lock then stops the user, with the
    // reason.
    ASSERT_EQ(::chown(journal_.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(journal_.c_str(), 06755), 0);
    ASSERT_EQ(::chown(folder_.Path().c_str(), 65534, 65534), 0);
    std::filesystem::remove(JournalLock::LockPathOf(journal_));
    AsNobody([&] { EXPECT_EQ(SaveEntry(journal_, Entry()), EditOutcome::AccessError); });
    ASSERT_EQ(::chmod(journal_.c_str(), 06757), 0);
    AsNobody([&] {
        EXPECT_EQ(SaveEntry(journal_, Entry()), EditOutcome::Replaced);
        struct stat made {};
        ASSERT_EQ(::stat(journal_.c_str(), &made), 0);
        EXPECT_EQ(made.st_uid, 65534u);
        EXPECT_EQ(made.st_mode & 07777, 0757u);
    });
    const std::filesystem::path lock = JournalLock::LockPathOf(journal_);
    ASSERT_EQ(::chown(lock.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(lock.c_str(), 0600), 0);
    AsNobody([&] {
        RewriteFailure failure;
        EXPECT_EQ(SaveEntry(journal_, Entry(), Durability::NoFsync, &failure), EditOutcome::AccessError);
        EXPECT_EQ(failure.file, lock);
        EXPECT_NE(failure.reason.find("Permission denied"), std::string::npos) << failure.reason;
    });
}

// Memory running out halfway through a save is the error message with the journal untouched, not an abort.
TEST_F(JournalRewriteTest, OutOfMemoryIsAnAccessError) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer needs more address space than any limit here would leave";
#else
    const std::string before = HEADER + std::string(15 << 20, 'x') + "\r\n";
    test::WriteBytes(journal_, before);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Room for one copy of the journal, not for the two a save holds.
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t room = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + (20 << 20);
        const rlimit limit{room, room};
        ::setrlimit(RLIMIT_AS, &limit);
        RewriteFailure failure;
        const bool ok =
            SaveEntry(journal_, Entry(), Durability::NoFsync, &failure) == EditOutcome::AccessError &&
            failure.reason.find("Speicher") != std::string::npos;
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_TRUE(test::ReadBytes(journal_) == before);
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathOf(journal_)));
#endif
}

} // namespace
} // namespace plenta
