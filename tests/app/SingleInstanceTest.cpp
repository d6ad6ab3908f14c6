// One instance per user: a socket left by a program that died. The handshake itself is proven by the shell
// test (a second claim brings the window forward) and by running the built program twice.
#include "WaitFor.h"

#include <SingleInstance.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>

namespace plenta {
namespace {

TEST(SingleInstance, AStaleSocketIsReplaced) {
    QTemporaryDir dir;
    const QString name = dir.filePath("Plenta-test");
    {
        QFile leftover(name);
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    }
    SingleInstance first(name);
    ASSERT_EQ(first.Claim(), SingleInstance::Role::First);
    QLocalSocket probe;
    probe.connectToServer(name);
    EXPECT_TRUE(probe.waitForConnected(WAIT_LIMIT_MS));
}

} // namespace
} // namespace plenta
