// SPDX-License-Identifier: GPL-3.0-or-later
// One instance per user: a socket left by a program that died. The handshake itself is proven by the shell
// test (a second claim brings the window forward) and by running the built program twice.
#include "WaitFor.h"

#include "app/SingleInstance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace plenta {
namespace {

TEST(SingleInstance, AStaleSocketIsReplaced) {
    QTemporaryDir dir;
    const QString name = dir.filePath("Plenta-test");
    {
        QFile leftover(name);
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    }
    auto first = std::make_unique<SingleInstance>(name);
    ASSERT_EQ(first->Claim(), SingleInstance::Role::First);
    int requests = 0;
    QObject::connect(first.get(), &SingleInstance::activationRequested, [&] { ++requests; });
    SingleInstance second(name);
    EXPECT_EQ(second.Claim(), SingleInstance::Role::Second);
    EXPECT_TRUE(WaitFor([&] { return requests == 1; }));
    // The socket goes with the first instance, so the next start listens again.
    first.reset();
    EXPECT_FALSE(QFile::exists(name));
    SingleInstance next(name);
    EXPECT_EQ(next.Claim(), SingleInstance::Role::First);
}

} // namespace
} // namespace plenta
