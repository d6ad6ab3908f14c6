// SPDX-License-Identifier: GPL-3.0-or-later
// The built program as a user starts it: once per user, and to its end with exit code 0.
#include "WaitFor.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace plenta {
namespace {

// A device root and a runtime folder of its own for every test, so no other Plenta is ever met.
class BuiltProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid() && runtime.isValid());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("PLENTA_ROOT", root.path());
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
    }

    QTemporaryDir root;
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(BuiltProgram, RunsOnce) {
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

TEST_F(BuiltProgram, EndsWithCodeZeroAfterItsFirstPaintWhenAsked) {
    environment.insert("PLENTA_EXIT_AFTER_FIRST_PAINT", "1");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(PLENTA_BINARY, {});
    ASSERT_TRUE(program.waitForFinished(WAIT_LIMIT_MS));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(QDir(runtime.path()).entryList({"Plenta-*"}, QDir::System).isEmpty())
        << "the socket goes at exit";
}

} // namespace
} // namespace plenta
