// SPDX-License-Identifier: GPL-3.0-or-later
// The program as its users run it: under a window manager that moves the keyboard elsewhere in the middle of
// a key press, maximises on request and places boxes; in a German and a US locale; with text pasted from
// another program.
#include "TempFolder.h"
#include "TodayRecord.h"
#include "XServerFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

namespace plenta::e2e {
namespace {

using test::HEADER;
using test::TodayRecord;
constexpr QPoint COMMENT_FIELD{200, 12};
// The chart's rows in the window (64 on) and in the tool's image (0 on), down to the base line.
constexpr int CHART_TOP = 64;
constexpr int CHART_ROWS = 141;
// Clear of the program's window wherever the window manager puts it on the 640 x 480 screen.
constexpr QPoint OTHER_WINDOW_AT{420, 300};
// Long enough for a stray command to show: three hold periods and the release's wait.
constexpr int SETTLE_MS = 1600;

const DesktopSetup USER_DESKTOPS[] = {{WindowManager::Openbox, "de_DE.UTF-8", ProgramUser::Unprivileged},
                                      {WindowManager::Openbox, "en_US.UTF-8", ProgramUser::Unprivileged}};

std::string DesktopName(const ::testing::TestParamInfo<DesktopSetup> &info) {
    return NameOf(info.param);
}

class UserDesktop : public XServerFixture, public ::testing::WithParamInterface<DesktopSetup> {
protected:
    UserDesktop()
        : XServerFixture(QSize(640, 480), GetParam()) {}

    unsigned long MainWindowId() const {
        const std::optional<XWindow> window = MainWindow();
        return window ? window->id : 0;
    }
};

// How the keyboard leaves the program while a key is down.
enum class FocusMove { ClickElsewhere, AltTab, WindowMaps };

struct FocusCase {
    const char *name;
    const char *key;
    FocusMove move;
    // When the key comes up, in the other window, after its press.
    int releaseAfterMs;
};

const FocusCase FOCUS_CASES[] = {
    {"EscapeTapThenClickElsewhere", "Escape", FocusMove::ClickElsewhere, 300},
    {"EscapeTapThenAltTab", "Escape", FocusMove::AltTab, 300},
    {"EscapeTapThenAWindowMaps", "Escape", FocusMove::WindowMaps, 300},
    {"ReturnHoldThenClickElsewhere", "Return", FocusMove::ClickElsewhere, 1500},
    {"ReturnHoldThenAltTab", "Return", FocusMove::AltTab, 1500},
    {"ReturnHoldThenAWindowMaps", "Return", FocusMove::WindowMaps, 1500},
};

void PrintTo(const FocusCase &c, std::ostream *out) {
    *out << c.name;
}

class FocusMovesMidPress : public XServerFixture,
                           public ::testing::WithParamInterface<std::tuple<DesktopSetup, FocusCase>> {
protected:
    FocusMovesMidPress()
        : XServerFixture(QSize(640, 480), std::get<0>(GetParam())) {}

    unsigned long MainWindowId() const {
        const std::optional<XWindow> window = MainWindow();
        return window ? window->id : 0;
    }
};

TEST_P(FocusMovesMidPress, NothingHappensToTheJournal) {
    const FocusCase &c = std::get<1>(GetParam());
    const std::string journal = HEADER + TodayRecord(",36.7,S,alk\r\n");
    WriteJournal(journal);
    StartPlenta();
    const unsigned long other = OpenOtherWindow(OTHER_WINDOW_AT, c.move != FocusMove::WindowMaps);
    ASSERT_NE(other, 0u);
    // The other window took the keyboard as it came up; the user goes back to the program first.
    Click(QPoint(120, 150));
    // Alt+Tab goes by the window manager's own order of focus, so it must have seen the click.
    ASSERT_TRUE(
        WaitFor([&] { return FocusedWindow() == MainWindowId() && ActiveWindow() == MainWindowId(); }));
    QElapsedTimer pressed;
    KeyDown(QString::fromLatin1(c.key));
    pressed.start();
    switch (c.move) {
    case FocusMove::ClickElsewhere:
        ClickAt(OTHER_WINDOW_AT + QPoint(30, 15));
        break;
    case FocusMove::AltTab:
        Tap(QStringLiteral("alt+Tab"));
        // Openbox now and then (about one run in forty here, never beside xmessage alone) does not switch at
        // all, again and again; then there is no focus change to judge.
        if (!WaitFor([&] { return FocusedWindow() == other; }, 1000)) {
            KeyUp(QString::fromLatin1(c.key));
            GTEST_SKIP() << "openbox did not switch windows on Alt+Tab";
        }
        break;
    case FocusMove::WindowMaps:
        MapOtherWindow(other);
        break;
    }
    ASSERT_TRUE(WaitFor([&] { return FocusedWindow() == other; }, 2000))
        << "the keyboard did not move: " << FocusedWindow() << " has it, " << ActiveWindow() << " is active";
    Pause(std::max<int>(0, c.releaseAfterMs - static_cast<int>(pressed.elapsed())));
    KeyUp(QString::fromLatin1(c.key));
    Pause(SETTLE_MS);
    EXPECT_EQ(JournalRewrites(), 0);
    EXPECT_EQ(JournalBytes(), journal);
    EXPECT_TRUE(Boxes().empty()) << Boxes().front().title.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Openbox, FocusMovesMidPress,
                         ::testing::Combine(::testing::ValuesIn(USER_DESKTOPS),
                                            ::testing::ValuesIn(FOCUS_CASES)),
                         [](const auto &info) {
                             return NameOf(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

TEST_P(UserDesktop, APastedCommentIsStoredAsTheFieldShowsIt) {
    WriteJournal(HEADER);
    StartPlenta();
    SetClipboard(QByteArray("ab\r\ncd\t\xd0\x9f\xd1\x80\xd0\xb8 e\xf0\x9f\x98\x80"));
    Click(COMMENT_FIELD);
    Tap(QStringLiteral("ctrl+v"));
    // The field says at once that it left characters out, in a tooltip beside it.
    EXPECT_TRUE(WaitFor([&] {
        const std::vector<XWindow> windows = Windows();
        return std::any_of(windows.begin(), windows.end(),
                           [](const XWindow &window) { return window.kind == WindowKind::Popup; });
    }));
    Tap(QStringLiteral("ctrl+s"));
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
    EXPECT_EQ(JournalBytes(), HEADER + TodayRecord(",36.5,,ab cd  e\r\n"));
}

TEST_P(UserDesktop, TheWindowStaysItsSizeAndBoxesStandCentredOverIt) {
    StartPlenta();
    RequestMaximise(MainWindowId());
    Pause(SETTLE_MS);
    const std::optional<XWindow> window = MainWindow();
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(window->geometry.size(), QSize(240, 294));
    Tap(QStringLiteral("Escape"));
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
    const QPoint offCentre = Boxes().front().geometry.center() - MainWindow()->geometry.center();
    EXPECT_LE(offCentre.manhattanLength(), 4) << offCentre.x() << "," << offCentre.y();
}

TEST_P(UserDesktop, TheConflictQuestionStandsOverTheWindowAndItsYesMnemonicMerges) {
    WriteJournal(HEADER + "2026/12/01,36.5,1,\r\n");
    std::ofstream(Journal().parent_path() / "plenta.sync-conflict-20261207-090609-XO4L3VF.txt",
                  std::ios::binary)
        << HEADER << "2026/12/01,36.5,1,\r\n2026/12/02,36.6,,\r\n";
    StartPlenta();
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
    Pause(SETTLE_MS / 4); // the window manager's placement has settled
    const QPoint offCentre = Boxes().front().geometry.center() - MainWindow()->geometry.center();
    EXPECT_LE(offCentre.manhattanLength(), 4) << offCentre.x() << "," << offCentre.y();
    // "&Ja" in German, "&Yes" in English.
    const bool english =
        TestDesktop().locale != nullptr && std::string(TestDesktop().locale).starts_with("en");
    Tap(english ? QStringLiteral("alt+y") : QStringLiteral("alt+j"));
    EXPECT_TRUE(WaitFor([&] { return JournalRewrites() == 1; }));
    EXPECT_EQ(JournalBytes(), HEADER + "2026/12/01,36.5,1,\r\n2026/12/02,36.6,,\r\n");
}

// Whatever the locale, the window's chart is the tool's under the C locale, labels "37.4 ... 35.6" included.
TEST_P(UserDesktop, TheChartIsTheCLocalesPixelForPixel) {
    WriteJournal(HEADER + "2026/11/20,36.4,1,\r\n2026/11/28,36.9,E,\r\n");
    StartPlenta();
    const QString reference =
        QDir(QString::fromStdString(Journal().parent_path().string())).filePath("c.png");
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    environment.remove(QStringLiteral("LC_ALL"));
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(PLENTA_JOURNAL_TOOL),
               {QStringLiteral("--journal"), QString::fromStdString(Journal().string()),
                QStringLiteral("chart"), QStringLiteral("--out"), reference});
    ASSERT_TRUE(tool.waitForFinished(E2E_WAIT_MS));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const std::optional<XWindow> window = MainWindow();
    ASSERT_TRUE(window.has_value());
    const QImage shown =
        Screenshot().copy(QRect(window->geometry.topLeft() + QPoint(0, CHART_TOP), QSize(240, CHART_ROWS)));
    const QImage expected = QImage(reference).copy(0, 0, 240, CHART_ROWS).convertToFormat(shown.format());
    EXPECT_TRUE(shown == expected);
}

// The program's user may read the journal but not write it: a save leaves it alone and says so.
TEST_P(UserDesktop, AJournalTheUserMayNotWriteIsNeverRewritten) {
    const std::string journal = HEADER + "2026/12/01,36.5,1,\r\n";
    WriteJournal(journal);
    std::filesystem::permissions(Journal(), std::filesystem::perms::owner_read |
                                                std::filesystem::perms::group_read |
                                                std::filesystem::perms::others_read);
    StartPlenta();
    Hold(QStringLiteral("Return"), 1000);
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); })) << "the save says why it did not write";
    Pause(SETTLE_MS);
    EXPECT_EQ(JournalRewrites(), 0);
    EXPECT_EQ(JournalBytes(), journal);
}

INSTANTIATE_TEST_SUITE_P(Openbox, UserDesktop, ::testing::ValuesIn(USER_DESKTOPS), DesktopName);

} // namespace
} // namespace plenta::e2e
