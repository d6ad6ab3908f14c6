// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop additions as a person meets them on an X server: the zoomed window, the shortcuts typed while
// the comment field has the keyboard, and the help printed where there is no display at all.
#include "XServerFixture.h"

#include <QDate>
#include <QProcess>

namespace plenta::e2e {
namespace {

const std::string HEADER = "Tag,Temperatur,Attribut,Kommentar\r\n";
// The chart fills the window below the toolbar, 240 x 230 at zoom 1.
constexpr QRect CHART{0, 64, 240, 230};
constexpr QPoint COMMENT_FIELD{200, 12};

// Each case runs on a bare server and under a window manager.
class Desktop : public XServerFixture, public ::testing::WithParamInterface<DesktopSetup> {
protected:
    // Tall enough for the window at zoom 2 (588 pixels) and a title bar; 60 % of it still makes the program's
    // own choice 1.
    Desktop()
        : XServerFixture(QSize(640, 700), GetParam()) {}

    QImage MainWindowImage() {
        const std::optional<XWindow> window = MainWindow();
        return window ? Screenshot().copy(window->geometry) : QImage();
    }
};

TEST_P(Desktop, ZoomTwoShowsEveryChartPixelAsATwoByTwoBlock) {
    WriteJournal(HEADER + "2026/11/20,36.4,1,\r\n2026/11/28,36.9,E,\r\n");
    StartPlenta({QStringLiteral("--zoom"), QStringLiteral("1")});
    const QImage one = MainWindowImage();
    ASSERT_EQ(one.size(), QSize(240, 294));
    StopPlenta();

    StartPlenta({QStringLiteral("--zoom"), QStringLiteral("2")});
    const QImage two = MainWindowImage();
    ASSERT_EQ(two.size(), QSize(480, 588));
    int differing = 0;
    for (int y = CHART.top(); y <= CHART.bottom(); ++y) {
        for (int x = CHART.left(); x <= CHART.right(); ++x) {
            for (const QPoint in : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                differing += two.pixel(2 * x + in.x(), 2 * y + in.y()) != one.pixel(x, y) ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_P(Desktop, AltSThenCtrlSInTheCommentFieldSavesTodayWithMucus) {
    WriteJournal(HEADER);
    StartPlenta();
    Click(COMMENT_FIELD);
    Tap(QStringLiteral("alt+s"));
    Tap(QStringLiteral("ctrl+s"));
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
    EXPECT_EQ(JournalBytes(), HEADER +
                                  QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")).toStdString() +
                                  ",36.5,S,\r\n");
    EXPECT_EQ(JournalRewrites(), 1);
}

INSTANTIATE_TEST_SUITE_P(Desktops, Desktop,
                         ::testing::Values(DesktopSetup{WindowManager::None},
                                           DesktopSetup{WindowManager::Openbox}),
                         [](const ::testing::TestParamInfo<DesktopSetup> &info) {
                             return NameOf(info.param);
                         });

TEST(DesktopWithoutDisplay, HelpPrintsTheShortcutsAndEnds) {
    QProcess plenta;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    plenta.setProcessEnvironment(environment);
    plenta.start(QStringLiteral(PLENTA_BINARY), {QStringLiteral("--help")});
    ASSERT_TRUE(plenta.waitForFinished(E2E_WAIT_MS));
    EXPECT_EQ(plenta.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(plenta.exitCode(), 0);
    const QString help = QString::fromUtf8(plenta.readAllStandardOutput());
    EXPECT_TRUE(help.contains(QStringLiteral("--zoom"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("Alt+S"))) << help.toStdString();
}

} // namespace
} // namespace plenta::e2e
