// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a screen reader meets it: on a private session bus, which starts the accessibility bus and
// its registry as a desktop does for a reader, the program runs with Qt's accessibility bridge always on, and
// accessibility-check.py reads its tree through AT-SPI, presses a mark and walks the controls with Tab.
#include "XServerFixture.h"

#include <QDate>
#include <QProcess>
#include <QStandardPaths>

namespace plenta::e2e {
namespace {

const std::string HEADER = "Tag,Temperatur,Attribut,Kommentar\r\n";
constexpr int SCRIPT_LIMIT_MS = 60000;

std::string Record(const QDate &date, const char *rest) {
    return date.toString(QStringLiteral("yyyy/MM/dd")).toStdString() + rest;
}

class Accessibility : public XServerFixture, public ::testing::WithParamInterface<DesktopSetup> {
protected:
    Accessibility()
        : XServerFixture(QSize(320, 400), GetParam()) {}

    void SetUp() override {
        XServerFixture::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            << "dbus-daemon is missing: run scripts/install-deps.sh --test";
        // The bus gets the display, so that the accessibility bus it starts on demand announces itself there.
        bus_.setProcessEnvironment(Environment());
        bus_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                   QStringLiteral("--print-address=1")});
        ASSERT_TRUE(bus_.waitForStarted());
        ASSERT_TRUE(WaitFor([&] { return bus_.canReadLine() || bus_.waitForReadyRead(50); }));
        SetVariable(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(bus_.readLine().trimmed()));
        SetVariable(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        SetVariable(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("1"));
    }

    void TearDown() override {
        XServerFixture::TearDown();
        // The accessibility bus and its registry end with the session bus they were started from.
        bus_.terminate();
        bus_.waitForFinished();
    }

private:
    QProcess bus_;
};

TEST_P(Accessibility, EveryControlIsNamedAMarkFollowsItsPressAndTabVisitsEveryControl) {
    const QDate today = QDate::currentDate();
    WriteJournal(HEADER + Record(today.addDays(-5), ",36.4,1,\r\n") + Record(today, ",36.7,S,\r\n"));
    StartPlenta();
    QProcess check;
    check.setProcessEnvironment(Environment());
    check.setProcessChannelMode(QProcess::MergedChannels);
    // Debian's own interpreter, the one python3-pyatspi installs into.
    check.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(PLENTA_ACCESSIBILITY_CHECK)});
    ASSERT_TRUE(check.waitForFinished(SCRIPT_LIMIT_MS)) << "the check did not finish";
    const QString output = QString::fromUtf8(check.readAll());
    EXPECT_EQ(check.exitCode(), 0) << output.toStdString();
    // The picked day, today, is the sixth of its cycle.
    EXPECT_TRUE(output.contains(QStringLiteral("Zyklustag 6"))) << output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Reader, Accessibility,
    ::testing::Values(DesktopSetup{WindowManager::None, "de_DE.UTF-8", ProgramUser::Caller}),
    [](const ::testing::TestParamInfo<DesktopSetup> &info) { return NameOf(info.param); });

} // namespace
} // namespace plenta::e2e
