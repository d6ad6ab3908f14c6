// SPDX-License-Identifier: GPL-3.0-or-later
// The built program's boxes in the locale's language on an X server: the statistics, the key help and the
// About box's help, each read as a person would copy it (Ctrl+C in a message box copies its text).
#include "TempFolder.h"
#include "TodayRecord.h"
#include "XServerFixture.h"

namespace plenta::e2e {
namespace {

constexpr QPoint PICTURE_STRIP{120, 260};

struct LocaleBoxes {
    const char *locale;
    const char *statistics; // a line of the statistics box
    const char *help;       // a line of the key help
};

void PrintTo(const LocaleBoxes &boxes, std::ostream *out) {
    *out << boxes.locale;
}

class BoxLanguage : public XServerFixture, public ::testing::WithParamInterface<LocaleBoxes> {
protected:
    BoxLanguage()
        : XServerFixture(QSize(320, 400), DesktopSetup{WindowManager::None, GetParam().locale}) {}

    // Copies the topmost box's text and closes that box with Return.
    QString CopyBox() {
        Tap(QStringLiteral("ctrl+c"));
        QString text;
        EXPECT_TRUE(WaitFor([&] { return !(text = Clipboard()).isEmpty(); }));
        SetClipboard("");
        Tap(QStringLiteral("Return"));
        return text;
    }

    // Gives the main window the keyboard again once the boxes are gone (a bare server leaves it nowhere): a
    // click on the picture strip, which does nothing else.
    void BackToTheWindow() {
        ASSERT_TRUE(WaitFor([&] { return Boxes().empty(); }));
        Click(PICTURE_STRIP);
    }
};

TEST_P(BoxLanguage, BoxesSpeakTheLocalesLanguage) {
    WriteJournal(test::HEADER + test::TodayRecord(",36.7,1,\r\n"));
    StartPlenta();
    Tap(QStringLiteral("ctrl+i"));
    ASSERT_TRUE(WaitFor([&] { return Boxes().size() == 1; }));
    EXPECT_TRUE(CopyBox().contains(QString::fromUtf8(GetParam().statistics)));
    BackToTheWindow();
    Tap(QStringLiteral("F1"));
    ASSERT_TRUE(WaitFor([&] { return Boxes().size() == 1; }));
    EXPECT_TRUE(CopyBox().contains(QString::fromUtf8(GetParam().help)));
    BackToTheWindow();
    // The About box's second button opens the same help over it.
    Tap(QStringLiteral("Escape"));
    ASSERT_TRUE(WaitFor([&] { return Boxes().size() == 1; }));
    Tap(QStringLiteral("Tab"));
    Tap(QStringLiteral("space"));
    ASSERT_TRUE(WaitFor([&] { return Boxes().size() == 2; }));
    EXPECT_TRUE(CopyBox().contains(QString::fromUtf8(GetParam().help)));
    ASSERT_TRUE(WaitFor([&] { return Boxes().size() == 1; }));
    Tap(QStringLiteral("Escape"));
    EXPECT_TRUE(WaitFor([&] { return Boxes().empty(); }));
}

INSTANTIATE_TEST_SUITE_P(Locales, BoxLanguage,
                         ::testing::Values(LocaleBoxes{"de_DE.UTF-8", "Zeitraum:", "Strg+S, Strg+D"},
                                           LocaleBoxes{"en_US.UTF-8", "Time span:", "Ctrl+S, Ctrl+D"}),
                         [](const auto &info) { return std::string(info.param.locale).substr(0, 5); });

} // namespace
} // namespace plenta::e2e
