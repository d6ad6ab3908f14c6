// SPDX-License-Identifier: GPL-3.0-or-later
// The hold keys, the drop-downs, the boxes and the mark buttons as a person meets them on an X server.
#include "TempFolder.h"
#include "TodayRecord.h"
#include "XServerFixture.h"

#include <algorithm>

namespace plenta::e2e {
namespace {

using test::HEADER;
using test::TodayRecord;

// Points of the main window at 1x.
constexpr QPoint DATE_ARROW{79, 15};
constexpr QPoint TEMPERATURE_LIST{114, 12};
constexpr QPoint COMMENT_ARROW{230, 15};
constexpr QRect TEMPERATURE_FIELD{87, 0, 55, 30};
constexpr QPoint MUCUS_BUTTON{47, 47};
constexpr QRect MUCUS_BUTTON_RECT{32, 32, 30, 30};
constexpr QPoint ABOUT_BUTTON{205, 47};
// Below the About box, which stands in the middle of the window.
constexpr QPoint PICTURE_STRIP{120, 260};

// Long enough for a stray command to show: three hold periods and the release's wait.
constexpr int SETTLE_MS = 1600;

bool IsAbout(const XWindow &window) {
    return window.title == QLatin1String("About Plenta");
}

bool PopupOpen(const std::vector<XWindow> &windows) {
    return std::any_of(windows.begin(), windows.end(),
                       [](const XWindow &window) { return window.kind == WindowKind::Popup; });
}

// Position in the stacking order, 0 the topmost; -1 when not mapped.
int Depth(const std::vector<XWindow> &windows, const std::function<bool(const XWindow &)> &which) {
    const auto found = std::find_if(windows.begin(), windows.end(), which);
    return found == windows.end() ? -1 : static_cast<int>(found - windows.begin());
}

int DarkPixels(const QImage &screen, const QRect &rect) {
    int dark = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            dark += qGray(screen.pixel(x, y)) < 96 ? 1 : 0;
        }
    }
    return dark;
}

// Each case runs on a bare server and under a window manager.
class KeysAndBoxes : public XServerFixture, public ::testing::WithParamInterface<DesktopSetup> {
protected:
    KeysAndBoxes()
        : XServerFixture(QSize(320, 400), GetParam()) {}
};

TEST_P(KeysAndBoxes, ReturnHeldThreeSecondsSavesOnceAndItsBoxWaitsForTheUser) {
    WriteJournal(HEADER);
    StartPlenta();
    // Well past the server's auto-repeat delay: its repeats reach the box the hold opened.
    Hold(QStringLiteral("Return"), 3000);
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
    Pause(SETTLE_MS);
    EXPECT_EQ(JournalRewrites(), 1);
    const std::vector<XWindow> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(IsAbout(boxes.front()));
    Tap(QStringLiteral("Return"));
    ASSERT_TRUE(WaitFor([&] { return Boxes().empty(); })) << "a fresh Return confirms the box";
    EXPECT_EQ(JournalBytes(), HEADER + TodayRecord(",36.5,,\r\n"));
    EXPECT_TRUE(PlentaRunning());
}

TEST_P(KeysAndBoxes, EscapeHeldDeletesTheDayOnceAndOpensNoAboutBox) {
    WriteJournal(HEADER + TodayRecord(",36.7,S,alk\r\n"));
    StartPlenta();
    Hold(QStringLiteral("Escape"), 1500);
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
    Pause(SETTLE_MS);
    EXPECT_EQ(JournalRewrites(), 1);
    EXPECT_EQ(JournalBytes(), HEADER);
    const std::vector<XWindow> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(IsAbout(boxes.front()));
}

TEST_P(KeysAndBoxes, EscapeTapOpensTheAboutBox) {
    StartPlenta();
    Tap(QStringLiteral("Escape"));
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
    Pause(SETTLE_MS);
    const std::vector<XWindow> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(IsAbout(boxes.front()));
    EXPECT_EQ(JournalRewrites(), 0);
}

// A key that closes a drop-down list or the calendar does that and nothing more.
struct PopupKey {
    const char *name;
    QPoint opener; // where a click opens the popup
    const char *key;
    int holdMs; // 0 for a tap
};

class KeyOnAPopup : public XServerFixture, public ::testing::WithParamInterface<PopupKey> {};

void PrintTo(const PopupKey &popup, std::ostream *out) {
    *out << popup.name;
}

TEST_P(KeyOnAPopup, OnlyClosesThePopup) {
    // An older day's comment fills the comment list.
    const std::string journal = HEADER + "2020/01/06,36.5,,alk\r\n";
    WriteJournal(journal);
    StartPlenta();
    Click(GetParam().opener);
    ASSERT_TRUE(WaitFor([&] { return PopupOpen(Windows()); }));
    const QString key = QString::fromLatin1(GetParam().key);
    if (GetParam().holdMs > 0) {
        Hold(key, GetParam().holdMs);
    } else {
        Tap(key);
    }
    ASSERT_TRUE(WaitFor([&] { return !PopupOpen(Windows()); }));
    Pause(SETTLE_MS);
    EXPECT_TRUE(Boxes().empty()) << "neither the About box nor a save's message";
    EXPECT_EQ(JournalRewrites(), 0);
    EXPECT_EQ(JournalBytes(), journal);
}

INSTANTIATE_TEST_SUITE_P(
    Popups, KeyOnAPopup,
    ::testing::Values(PopupKey{"EscapeOnTheTemperatureList", TEMPERATURE_LIST, "Escape", 0},
                      PopupKey{"EscapeOnTheCommentList", COMMENT_ARROW, "Escape", 0},
                      PopupKey{"EscapeOnTheCalendar", DATE_ARROW, "Escape", 0},
                      PopupKey{"ReturnHeldOnTheTemperatureList", TEMPERATURE_LIST, "Return", 1500},
                      PopupKey{"ReturnHeldOnTheCalendar", DATE_ARROW, "Return", 1500}),
    [](const ::testing::TestParamInfo<PopupKey> &info) { return std::string(info.param.name); });

TEST_P(KeysAndBoxes, AMarkSwitchedOnByAClickShowsOnTheScreen) {
    StartPlenta();
    const QRect button = MUCUS_BUTTON_RECT.translated(MainWindow()->geometry.topLeft());
    const QImage off = Screenshot().copy(button);
    ASSERT_FALSE(off.isNull());
    Click(MUCUS_BUTTON);
    QImage on;
    ASSERT_TRUE(WaitFor([&] { return (on = Screenshot().copy(button)) != off; }));
    // The switched-on button stands out at a glance: a dark frame around the image, not a faint line.
    EXPECT_GE(DarkPixels(on, on.rect()), DarkPixels(off, off.rect()) + 100);
    Click(MUCUS_BUTTON);
    EXPECT_TRUE(WaitFor([&] { return Screenshot().copy(button) == off; })) << "off looks as before";
}

TEST_P(KeysAndBoxes, ReturnMovesTheFocusWithAVisibleFrame) {
    StartPlenta();
    const QRect field = TEMPERATURE_FIELD.translated(MainWindow()->geometry.topLeft());
    const QImage before = Screenshot().copy(field);
    Tap(QStringLiteral("Return"));
    EXPECT_TRUE(WaitFor([&] { return Screenshot().copy(field) != before; }))
        << "the temperature list took the focus without showing it";
}

TEST_P(KeysAndBoxes, ABoxStandsAboveTheWindowItBlocks) {
    // The first click both opens the box and activates the window, which then comes forward.
    StartPlenta({}, StartFocus::Untouched);
    const auto isMain = [](const XWindow &window) {
        return window.title == QLatin1String("Plenta");
    };
    Click(ABOUT_BUTTON);
    ASSERT_TRUE(WaitFor([&] { return !Boxes().empty(); }));
    Pause(SETTLE_MS);
    std::vector<XWindow> windows = Windows();
    EXPECT_LT(Depth(windows, IsAbout), Depth(windows, isMain));
    // A click on the blocked window brings it forward, and its box with it.
    Click(PICTURE_STRIP);
    Pause(SETTLE_MS);
    windows = Windows();
    ASSERT_GE(Depth(windows, IsAbout), 0);
    EXPECT_LT(Depth(windows, IsAbout), Depth(windows, isMain));
    // The box has the keyboard: Escape closes it.
    Tap(QStringLiteral("Escape"));
    EXPECT_TRUE(WaitFor([&] { return Boxes().empty(); }));
}

INSTANTIATE_TEST_SUITE_P(Desktops, KeysAndBoxes,
                         ::testing::Values(DesktopSetup{WindowManager::None},
                                           DesktopSetup{WindowManager::Openbox}),
                         [](const ::testing::TestParamInfo<DesktopSetup> &info) {
                             return NameOf(info.param);
                         });

} // namespace
} // namespace plenta::e2e
