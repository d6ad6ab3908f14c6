// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a screen reader meets it: a private session bus starts the accessibility bus and its
// registry on demand, as a desktop does for a reader; the program runs with Qt's accessibility bridge always
// on; and accessibility-check.py reads its tree through AT-SPI, presses a mark and walks the controls with
// Tab.
#include "XServerFixture.h"

#include <QDate>
#include <QProcess>

namespace plenta::e2e {
namespace {

class Accessibility : public XServerFixture, public ::testing::WithParamInterface<DesktopSetup> {
protected:
    Accessibility()
        : XServerFixture(QSize(320, 400), GetParam()) {}

    void TearDown() override {
        XServerFixture::TearDown();
        // The accessibility bus and its registry end with the session bus that started them.
        bus_.terminate();
        bus_.waitForFinished();
    }

    QProcess bus_;
};

TEST_P(Accessibility, EveryControlIsNamedAMarkFollowsItsPressAndTabVisitsEveryControl) {
    // The bus gets the display, so that the accessibility bus it starts announces itself there.
    bus_.setProcessEnvironment(Environment());
    bus_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                               QStringLiteral("--print-address=1")});
    ASSERT_TRUE(WaitFor([&] { return bus_.canReadLine() || bus_.waitForReadyRead(50); }))
        << "no dbus-daemon: run scripts/install-deps.sh --test";
    SetVariable(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(bus_.readLine().trimmed()));
    SetVariable(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    SetVariable(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("1"));
    const QDate today = QDate::currentDate();
    const auto day = [](const QDate &date) {
        return date.toString(QStringLiteral("yyyy/MM/dd")).toStdString();
    };
    WriteJournal("Tag,Temperatur,Attribut,Kommentar\r\n" + day(today.addDays(-5)) + ",36.4,1,\r\n" +
                 day(today) + ",36.7,S,\r\n");
    StartPlenta();

    QProcess check;
    check.setProcessEnvironment(Environment());
    check.setProcessChannelMode(QProcess::MergedChannels);
    // Debian's own interpreter, the one python3-pyatspi installs into.
    check.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(PLENTA_ACCESSIBILITY_CHECK)});
    ASSERT_TRUE(check.waitForFinished(E2E_WAIT_MS * 2)) << "the check did not finish";
    const std::string output = check.readAll().toStdString();
    EXPECT_EQ(check.exitCode(), 0) << output;
    // The picked day, today, is the sixth of its cycle; the names and the number follow the language.
    const bool german = std::string_view(GetParam().locale).starts_with("de");
    EXPECT_NE(output.find(german ? "Zyklustag 6, 36,7" : "cycle day 6, 36.7"), std::string::npos) << output;
}

INSTANTIATE_TEST_SUITE_P(Reader, Accessibility,
                         ::testing::Values(DesktopSetup{WindowManager::None, "de_DE.UTF-8"},
                                           DesktopSetup{WindowManager::None, "en_US.UTF-8"}),
                         [](const ::testing::TestParamInfo<DesktopSetup> &info) {
                             return NameOf(info.param);
                         });

} // namespace
} // namespace plenta::e2e
