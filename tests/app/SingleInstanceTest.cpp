// One instance per user: the socket handshake in-process, a stale socket, and the built program run twice.
#include "WaitFor.h"

#include <SingleInstance.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
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

TEST(SingleInstance, TheBuiltProgramRunsOnce) {
    QTemporaryDir root;
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("PLENTA_ROOT", root.path());
    environment.insert("XDG_RUNTIME_DIR", runtime.path());

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(PLENTA_BINARY, {});
    ASSERT_TRUE(first.waitForStarted(WAIT_LIMIT_MS));
    // The first instance is ready once its socket exists.
    ASSERT_TRUE(
        WaitFor([&] { return !QDir(runtime.path()).entryList({"Plenta-*"}, QDir::System).isEmpty(); }));

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(PLENTA_BINARY, {});
    ASSERT_TRUE(second.waitForFinished(WAIT_LIMIT_MS));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    first.waitForFinished(WAIT_LIMIT_MS);
}

} // namespace
} // namespace plenta
