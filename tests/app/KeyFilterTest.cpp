// SPDX-License-Identifier: GPL-3.0-or-later
// The hardware keys: holds of Action and Escape, the Escape tap, the Enter focus cycle, and keys around
// boxes.
#include "ShellFixture.h"
#include "TodayRecord.h"

#include "app/CommandEvent.h"
#include "ui/Command.h"
#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QToolButton>

namespace plenta {
namespace {

constexpr int SETTLE_MS = 3 * TEST_HOLD_MS; // well past any hold that might wrongly still run

using test::HEADER;
using test::TodayRecord;

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
    EXPECT_TRUE(Keys().HoldRunning(HandheldButton::Action));
    QTest::keyRelease(target, GetParam());
    EXPECT_FALSE(Keys().HoldRunning(HandheldButton::Action));
    QTest::qWait(SETTLE_MS);
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(Journal()));
}

INSTANTIATE_TEST_SUITE_P(ActionKeys, KeyFilterTest,
                         ::testing::Values(Qt::Key_F23, Qt::Key_Return, Qt::Key_Enter),
                         [](const ::testing::TestParamInfo<Qt::Key> &info) {
                             return QKeySequence(info.param).toString().toStdString();
                         });

TEST_F(ShellFixture, NeitherAutoRepeatNorASecondPressRestartsTheHold) {
    QWidget *target = KeyTarget();
    QTest::keyPress(target, Qt::Key_F23);
    QTest::qSleep(TEST_HOLD_MS / 2); // time passes, but no event runs
    const int beforeRepeat = Keys().HoldRemainingMs(HandheldButton::Action);
    QKeyEvent autoRepeat(QEvent::KeyPress, Qt::Key_F23, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(target, &autoRepeat);
    EXPECT_LE(Keys().HoldRemainingMs(HandheldButton::Action), beforeRepeat);
    // Servers with detectable auto-repeat send presses alone: a press of a key that is down is a repeat.
    QTest::keyPress(target, Qt::Key_F23);
    EXPECT_LE(Keys().HoldRemainingMs(HandheldButton::Action), beforeRepeat);
    ASSERT_TRUE(WaitFor([&] { return !recorder.boxes.empty(); }));
    QTest::keyRelease(target, Qt::Key_F23);
    QTest::qWait(SETTLE_MS);
    EXPECT_EQ(recorder.boxes.size(), 1u);
}

// Key events as Qt 6.4's xcb backend delivered them from Xvfb with its own auto-repeat (660 ms delay, a
// repeat every 40 ms): each repeat is a release and a press with one server time, mostly not flagged.
struct KeyStep {
    QEvent::Type type;
    quint64 time;
    bool flagged = false;
};

std::vector<KeyStep> Pairs(quint64 from, quint64 to, bool flagged = false) {
    std::vector<KeyStep> steps;
    for (quint64 time = from; time < to; time += 40) {
        steps.push_back({QEvent::KeyRelease, time, flagged});
        steps.push_back({QEvent::KeyPress, time, flagged});
    }
    return steps;
}

std::vector<KeyStep> Presses(quint64 from, quint64 to) {
    std::vector<KeyStep> steps;
    for (quint64 time = from; time < to; time += 40) {
        steps.push_back({QEvent::KeyPress, time});
    }
    return steps;
}

std::vector<KeyStep> operator+(std::vector<KeyStep> first, const std::vector<KeyStep> &second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

const std::vector<KeyStep> PRESS{{QEvent::KeyPress, 1000}};
const std::vector<KeyStep> RELEASE{{QEvent::KeyRelease, 4000}};

struct RecordedHold {
    const char *name;
    Qt::Key key;
    std::vector<KeyStep> beforeBox; // sent to the focus widget, then the hold's time passes
    std::vector<KeyStep> whileBox;  // sent to the box the hold opened
    std::vector<std::string> boxes;
    int focusAfter = -1; // the form control that has the focus at the end; -1 not looked at
};

const std::string REPLACED = "Eintrag ersetzt!";
const std::string DELETED = "Eintrag gel\xc3\xb6scht!";

const RecordedHold RECORDED_HOLDS[] = {
    {"ReturnHeldWithUnflaggedPairs", Qt::Key_Return, PRESS, Pairs(1660, 3000) + RELEASE, {REPLACED}},
    {"ReturnHeldWithFlaggedAndUnflaggedPairs",
     Qt::Key_Return,
     PRESS,
     Pairs(1660, 2000, true) + Pairs(2000, 2400) + Pairs(2400, 3000, true) + RELEASE,
     {REPLACED}},
    {"ReturnHeldWithDetectableRepeat", Qt::Key_Return, PRESS, Presses(1660, 3000) + RELEASE, {REPLACED}},
    {"ReturnRepeatingBeforeTheHoldElapses",
     Qt::Key_Return,
     PRESS + Pairs(1250, 1400),
     Pairs(1400, 2000) + RELEASE,
     {REPLACED}},
    {"EscapeHeldWithUnflaggedPairs", Qt::Key_Escape, PRESS, Pairs(1660, 2500) + RELEASE, {DELETED}},
    {"F24HeldWithUnflaggedPairs", Qt::Key_F24, PRESS, Pairs(1660, 2500) + RELEASE, {DELETED}},
    // The release went with a box; a press seconds later is a new one, and moves the focus again.
    {"ReturnPressedAgainAfterALostRelease",
     Qt::Key_Return,
     {{QEvent::KeyPress, 1000}, {QEvent::KeyPress, 4000}},
     RELEASE,
     {REPLACED},
     IDC_COMMENT},
    {"EscapeTap", Qt::Key_Escape, PRESS + std::vector<KeyStep>{{QEvent::KeyRelease, 1090}}, {}, {"<About>"}},
    {"TwoQuickReturnTaps",
     Qt::Key_Return,
     {{QEvent::KeyPress, 1000},
      {QEvent::KeyRelease, 1050},
      {QEvent::KeyPress, 1110},
      {QEvent::KeyRelease, 1160}},
     {},
     {},
     IDC_COMMENT},
};

void PrintTo(const RecordedHold &hold, std::ostream *out) {
    *out << hold.name;
}

void Send(QWidget *target, Qt::Key key, const std::vector<KeyStep> &steps) {
    const QString text = key == Qt::Key_Return ? "\r" : key == Qt::Key_Escape ? "\x1b" : "";
    for (const KeyStep &step : steps) {
        QKeyEvent event(step.type, key, Qt::NoModifier, text, step.flagged);
        event.setTimestamp(step.time);
        QApplication::sendEvent(target, &event);
    }
}

class RecordedHoldTest : public ShellFixture, public ::testing::WithParamInterface<RecordedHold> {};

TEST_P(RecordedHoldTest, OneHoldIsOneCommandAndItsBoxStaysOpen) {
    const RecordedHold &hold = GetParam();
    WriteJournal(HEADER + TodayRecord(",36.7,S,alk\r\n"));
    window->Form()->Control(IDC_DATE)->setFocus();
    ASSERT_TRUE(
        WaitFor([&] { return window->Form()->ControlIdOf(QApplication::focusWidget()) == IDC_DATE; }));
    bool keptOpen = true;
    recorder.whileOpen = [&](QDialog &box) {
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        Send(&box, hold.key, hold.whileBox);
        keptOpen = keptOpen && box.isVisible();
        box.hide();
    };
    Send(KeyTarget(), hold.key, hold.beforeBox);
    QTest::qWait(SETTLE_MS);
    EXPECT_EQ(recorder.Texts(), hold.boxes);
    EXPECT_TRUE(keptOpen);
    const bool deleted = std::find(hold.boxes.begin(), hold.boxes.end(), DELETED) != hold.boxes.end();
    EXPECT_EQ(ReadJournal(), deleted ? HEADER : HEADER + TodayRecord(",36.7,S,alk\r\n"));
    if (hold.focusAfter >= 0) {
        EXPECT_EQ(window->Form()->ControlIdOf(window->focusWidget()), hold.focusAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(XServer, RecordedHoldTest, ::testing::ValuesIn(RECORDED_HOLDS),
                         [](const ::testing::TestParamInfo<RecordedHold> &info) {
                             return std::string(info.param.name);
                         });

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

// Tab takes the focus to the toolbar's buttons: a held Return still saves from there, and Space taps the
// button.
TEST_F(ShellFixture, KeysWithTheFocusOnAToolbarButton) {
    QToolButton *about = window->Toolbar()->Button(Command::About);
    about->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(KeyTarget(), about);
    QTest::keyPress(about, Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return !recorder.boxes.empty(); }));
    QTest::keyRelease(KeyTarget(), Qt::Key_Return);
    QTest::qWait(SETTLE_MS);
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"Eintrag gespeichert!"});
    QToolButton *mucus = window->Toolbar()->Button(Command::Mucus);
    mucus->setFocus(Qt::TabFocusReason);
    QTest::keyClick(mucus, Qt::Key_Space);
    EXPECT_EQ(window->State().scan.selection.marks, "S");
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
    window->SendCommand(Command::Save);
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
    PostCommand(*window, Command::About);
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

// The keyboard leaves the main window while a key is down; its release goes to whoever took it.
struct FocusLoss {
    const char *name;
    Qt::Key key;
    bool popup; // a drop-down of the form takes the keyboard; else another window does
};

void PrintTo(const FocusLoss &loss, std::ostream *out) {
    *out << loss.name;
}

class FocusLeavesMidPress : public ShellFixture, public ::testing::WithParamInterface<FocusLoss> {};

TEST_P(FocusLeavesMidPress, NoHoldFiresAndTheStillHeldKeyStartsNothingOnReturn) {
    const FocusLoss &loss = GetParam();
    const std::string journal = HEADER + TodayRecord(",36.7,S,alk\r\n");
    WriteJournal(journal);
    QWidget other;
    Send(KeyTarget(), loss.key, PRESS);
    if (loss.popup) {
        window->Form()->CommentBox()->showPopup();
    } else {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    }
    EXPECT_FALSE(Keys().HoldRunning(HandheldButton::Action));
    EXPECT_FALSE(Keys().HoldRunning(HandheldButton::Escape));
    QTest::qWait(SETTLE_MS);
    // Back while the key is still down: the server's repeat pairs and the release reach the window.
    window->Form()->CommentBox()->hidePopup();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    Send(KeyTarget(), loss.key, Pairs(1660, 1800) + RELEASE);
    QTest::qWait(SETTLE_MS);
    EXPECT_TRUE(recorder.boxes.empty()) << recorder.Texts().front();
    EXPECT_EQ(ReadJournal(), journal);
    // A fresh tap is a tap again.
    Send(KeyTarget(), Qt::Key_Escape, {{QEvent::KeyPress, 9000}, {QEvent::KeyRelease, 9090}});
    QTest::qWait(SETTLE_MS);
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"<About>"});
}

INSTANTIATE_TEST_SUITE_P(Keyboard, FocusLeavesMidPress,
                         ::testing::Values(FocusLoss{"EscapeToAnotherWindow", Qt::Key_Escape, false},
                                           FocusLoss{"ReturnToAnotherWindow", Qt::Key_Return, false},
                                           FocusLoss{"F24ToADropDown", Qt::Key_F24, true}),
                         [](const ::testing::TestParamInfo<FocusLoss> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace plenta
