// The hardware keys: holds of Action and Escape, the Escape tap, the Enter focus cycle, and keys around
// boxes.
#include "ShellFixture.h"

#include <CommandEvent.h>
#include <CommandIds.h>
#include <DateText.h>
#include <EntryForm.h>
#include <JournalRecord.h>

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>

namespace plenta {
namespace {

constexpr int SETTLE_MS = 3 * HOLD_PERIOD_MS; // well past any hold that might wrongly still run

using test::HEADER;

// The record of today as the journal holds it.
std::string TodayRecord(const char *rest) {
    return RecordDatePrefix(Today()) + rest;
}

class KeyFilterTest : public ShellFixture, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(KeyFilterTest, AHeldActionKeySavesExactlyOnce) {
    QWidget *target = KeyTarget();
    QTest::keyPress(target, GetParam());
    ASSERT_TRUE(WaitFor([&] { return !recorder.boxes.empty(); }));
    QTest::qWait(SETTLE_MS); // still held: no second save
    QTest::keyRelease(target, GetParam());
    QTest::qWait(SETTLE_MS);
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"Eintrag gespeichert!"});
    EXPECT_EQ(ReadJournal(), HEADER + TodayRecord(",36.5,,\r\n"));
}

TEST_P(KeyFilterTest, AShortPressNeverSaves) {
    QWidget *target = KeyTarget();
    // No event is processed between the two, so the hold cannot have elapsed, however slow the machine.
    QTest::keyPress(target, GetParam());
    EXPECT_TRUE(Keys().HoldRunning(TIMER_SAVE_HOLD));
    QTest::keyRelease(target, GetParam());
    EXPECT_FALSE(Keys().HoldRunning(TIMER_SAVE_HOLD));
    QTest::qWait(SETTLE_MS);
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(Journal()));
}

INSTANTIATE_TEST_SUITE_P(ActionKeys, KeyFilterTest, ::testing::Values(Qt::Key_F23, Qt::Key_Return),
                         [](const ::testing::TestParamInfo<Qt::Key> &info) {
                             return std::string(info.param == Qt::Key_F23 ? "F23" : "Return");
                         });

TEST_F(ShellFixture, ARepeatedKeyDownRestartsTheHoldButAutoRepeatDoesNot) {
    QWidget *target = KeyTarget();
    QTest::keyPress(target, Qt::Key_F23);
    QTest::qSleep(HOLD_PERIOD_MS / 2 + 100); // time passes, but no event runs
    const int beforeRepeat = Keys().HoldRemainingMs(TIMER_SAVE_HOLD);
    QKeyEvent autoRepeat(QEvent::KeyPress, Qt::Key_F23, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(target, &autoRepeat);
    EXPECT_LE(Keys().HoldRemainingMs(TIMER_SAVE_HOLD), beforeRepeat);
    QTest::keyPress(target, Qt::Key_F23);
    EXPECT_GT(Keys().HoldRemainingMs(TIMER_SAVE_HOLD), beforeRepeat);
    ASSERT_TRUE(WaitFor([&] { return !recorder.boxes.empty(); }));
    QTest::keyRelease(target, Qt::Key_F23);
    QTest::qWait(SETTLE_MS);
    EXPECT_EQ(recorder.boxes.size(), 1u);
}

TEST_F(ShellFixture, EscapeTapOpensTheAboutBoxThroughAPostedCommand) {
    QWidget *target = KeyTarget();
    QTest::keyPress(target, Qt::Key_Escape);
    QTest::keyRelease(target, Qt::Key_Escape);
    EXPECT_TRUE(recorder.boxes.empty()) << "the command is posted, not run inside the key handling";
    ASSERT_TRUE(WaitFor([&] { return !recorder.boxes.empty(); }));
    QTest::qWait(SETTLE_MS);
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"<About>"});
    EXPECT_FALSE(std::filesystem::exists(Journal()));
}

TEST_F(ShellFixture, EscapeHoldDeletesTheDayAndOpensNoAboutBox) {
    WriteJournal(HEADER + TodayRecord(",36.7,S,alk\r\n"));
    ASSERT_TRUE(window->State().scan.selection.hasEntry);
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_F24}) {
        QWidget *target = KeyTarget();
        recorder.boxes.clear();
        QTest::keyPress(target, key);
        ASSERT_TRUE(WaitFor([&] { return !recorder.boxes.empty(); }));
        QTest::keyRelease(target, key);
        QTest::qWait(SETTLE_MS);
        EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"Eintrag gel\xc3\xb6scht!"});
    }
    EXPECT_EQ(ReadJournal(), HEADER);
}

TEST_F(ShellFixture, EnterMovesTheFocusThroughTheForm) {
    EntryForm &form = *window->Form();
    form.Control(IDC_DATE)->setFocus();
    ASSERT_TRUE(WaitFor([&] { return form.ControlIdOf(QApplication::focusWidget()) == IDC_DATE; }));
    for (const int expected : {IDC_TEMPERATURE, IDC_COMMENT, IDC_DATE, IDC_TEMPERATURE}) {
        QTest::keyClick(KeyTarget(), Qt::Key_Return);
        EXPECT_EQ(form.ControlIdOf(QApplication::focusWidget()), expected);
    }
    // From outside the form the step goes to the temperature list.
    window->setFocus();
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(form.ControlIdOf(QApplication::focusWidget()), IDC_TEMPERATURE);
    QTest::qWait(SETTLE_MS);
    EXPECT_TRUE(recorder.boxes.empty()) << "short presses of Return never save";
}

TEST_F(ShellFixture, RepeatsOfAHeldKeyNeverReachABox) {
    bool keptOpen = false;
    bool closedByAPress = false;
    recorder.whileOpen = [&](QDialog &box) {
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Return ? "\r" : "\x1b",
                             true);
            QApplication::sendEvent(&box, &repeat);
        }
        keptOpen = box.isVisible();
        QTest::keyClick(&box, Qt::Key_Return);
        closedByAPress = !box.isVisible();
    };
    window->SendCommand(IDM_SAVE);
    ASSERT_EQ(recorder.Texts(), std::vector<std::string>{"Eintrag gespeichert!"});
    EXPECT_TRUE(keptOpen);
    EXPECT_TRUE(closedByAPress);
}

// What happens to the held key while a box opened during the hold is up.
enum class WhileBoxOpen { ReleaseBeforeTick, TickThenRelease, TickAndReleaseAfterBox };

std::string NameOf(const ::testing::TestParamInfo<WhileBoxOpen> &info) {
    switch (info.param) {
    case WhileBoxOpen::ReleaseBeforeTick:
        return "ReleaseBeforeTick";
    case WhileBoxOpen::TickThenRelease:
        return "TickThenRelease";
    default:
        return "TickAndReleaseAfterBox";
    }
}

class HeldThroughABox : public ShellFixture, public ::testing::WithParamInterface<WhileBoxOpen> {};

TEST_P(HeldThroughABox, AReleasedHoldKeyNeverFiresAfterwards) {
    QWidget *target = KeyTarget();
    recorder.whileOpen = [&](QDialog &box) {
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        ASSERT_EQ(QApplication::activeModalWidget(), &box);
        if (GetParam() == WhileBoxOpen::ReleaseBeforeTick) {
            QTest::keyRelease(&box, Qt::Key_F23);
        }
        QTest::qWait(SETTLE_MS); // the hold's time passes while the box is up
        if (GetParam() == WhileBoxOpen::TickThenRelease) {
            QTest::keyRelease(&box, Qt::Key_F23);
        }
        box.hide();
    };
    QTest::keyPress(target, Qt::Key_F23);
    PostCommand(*window, IDM_ABOUT);
    ASSERT_TRUE(WaitFor([&] { return !recorder.boxes.empty(); }));
    if (GetParam() == WhileBoxOpen::TickAndReleaseAfterBox) {
        QTest::keyRelease(target, Qt::Key_F23);
    }
    QTest::qWait(SETTLE_MS);
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"<About>"});
    EXPECT_FALSE(std::filesystem::exists(Journal()));
}

INSTANTIATE_TEST_SUITE_P(Holds, HeldThroughABox,
                         ::testing::Values(WhileBoxOpen::ReleaseBeforeTick, WhileBoxOpen::TickThenRelease,
                                           WhileBoxOpen::TickAndReleaseAfterBox),
                         NameOf);

} // namespace
} // namespace plenta
