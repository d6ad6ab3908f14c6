// SPDX-License-Identifier: GPL-3.0-or-later
// The read lease the rewrite holds across its swap: it must make a writer wait, and show that one waits.
#include "TempFolder.h"

#include "journal/FileDescriptor.h"
#include "journal/ReadLease.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <thread>

namespace plenta::test {
namespace {

TEST(ReadLease, AWriterWaitsUntilItIsGivenBack) {
    TempFolder folder;
    WriteBytes(folder.Journal(), "alt\n");
    const FileDescriptor reading(::open(folder.Journal().c_str(), O_RDONLY));
    ReadLease lease(reading.Get());
    if (!lease.Held()) {
        GTEST_SKIP() << "no leases on this file system";
    }
    EXPECT_FALSE(lease.Breaking());
    // An editor's in-place write: truncate on opening, then write.
    std::thread editor([&folder] {
        const FileDescriptor writing(::open(folder.Journal().c_str(), O_WRONLY | O_TRUNC));
        ASSERT_EQ(::write(writing.Get(), "neu\n", 4), 4);
    });
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!lease.Breaking() && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(lease.Breaking());
    EXPECT_EQ(ReadBytes(folder.Journal()), "alt\n") << "the writer went ahead under the lease";
    lease.Release();
    editor.join();
    EXPECT_EQ(ReadBytes(folder.Journal()), "neu\n");
}

} // namespace
} // namespace plenta::test
