// One instance per user: the socket handshake and a socket left by a program that died.
#include "WaitFor.h"

#include <SingleInstance.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace plenta {
namespace {

TEST(SingleInstance, ASecondClaimAsksTheFirstToComeForward) {
    QTemporaryDir dir;
    const QString name = dir.filePath("Plenta-test");
    SingleInstance first(name);
    ASSERT_EQ(first.Claim(), SingleInstance::Role::First);
    QSignalSpy forward(&first, &SingleInstance::activationRequested);
    SingleInstance second(name);
    EXPECT_EQ(second.Claim(), SingleInstance::Role::Second);
    EXPECT_TRUE(WaitFor([&] { return forward.count() == 1; }));
}

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
