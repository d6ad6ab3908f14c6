// SPDX-License-Identifier: GPL-3.0-or-later
// A helper thread placed off its starter's processor, and left alone where there is no other.
#include "platform/ThreadPlacement.h"

#include <gtest/gtest.h>

#include <future>
#include <pthread.h>
#include <sched.h>

namespace plenta {
namespace {

cpu_set_t AffinityOf(std::thread &thread) {
    cpu_set_t set;
    CPU_ZERO(&set);
    EXPECT_EQ(pthread_getaffinity_np(thread.native_handle(), sizeof set, &set), 0);
    return set;
}

TEST(ThreadPlacement, TheHelperRunsAnywhereButOnTheCallersProcessor) {
    cpu_set_t own;
    ASSERT_EQ(sched_getaffinity(0, sizeof own, &own), 0);
    cpu_set_t single;
    CPU_ZERO(&single);
    CPU_SET(sched_getcpu(), &single);
    const struct {
        const char *name;
        const cpu_set_t *callerMay; // the caller's processors while it places the helper
    } cases[] = {{"all of the process's processors", &own}, {"one processor", &single}};
    for (const auto &c : cases) {
        ASSERT_EQ(sched_setaffinity(0, sizeof *c.callerMay, c.callerMay), 0) << c.name;
        std::promise<void> release;
        std::thread helper([done = release.get_future()]() mutable { done.wait(); });
        const cpu_set_t before = AffinityOf(helper);
        const int left = KeepOffCallersProcessor(helper);
        cpu_set_t expected = before;
        if (CPU_COUNT(c.callerMay) > 1) {
            ASSERT_GE(left, 0) << c.name;
            CPU_CLR(left, &expected);
        } else {
            EXPECT_EQ(left, -1) << c.name;
        }
        cpu_set_t after = AffinityOf(helper);
        EXPECT_TRUE(CPU_EQUAL(&after, &expected)) << c.name;
        release.set_value();
        helper.join();
    }
    sched_setaffinity(0, sizeof own, &own);
}

TEST(ThreadPlacement, AThreadThatIsNotRunningIsLeftAlone) {
    std::thread none;
    EXPECT_EQ(KeepOffCallersProcessor(none), -1);
}

} // namespace
} // namespace plenta
