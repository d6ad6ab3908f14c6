// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop shortcuts, pressed with the focus in the comment field: each step's marks, buttons, boxes and
// journal, in one walk from an empty journal to the end of the program.
#include "ShellFixture.h"
#include "TodayRecord.h"

#include "ui/Command.h"
#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"
#include "ui/Translation.h"
#include <StringTable.h>

#include <QComboBox>
#include <QFileDialog>
#include <QToolButton>

namespace plenta {
namespace {

using test::HEADER;
using test::TodayRecord;

struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *marks;
    // The toolbar's checked mark buttons, in the order 1 S E X.
    const char *checked;
    // The text of the box the step opens; null for none.
    const char *box;
    // Today's record after the step, after the date; null for none.
    const char *record;
};

std::string CheckedButtons(const MainToolbar &toolbar) {
    std::string checked;
    for (const auto &[command, letter] :
         {std::pair{Command::FirstDay, '1'}, std::pair{Command::Mucus, 'S'},
          std::pair{Command::Ovulation, 'E'}, std::pair{Command::Intercourse, 'X'}}) {
        if (toolbar.Button(command)->isChecked()) {
            checked += letter;
        }
    }
    return checked;
}

TEST_F(ShellFixture, DesktopShortcutsWorkFromTheCommentField) {
    const std::string help = KeyHelpText();
    const Step steps[] = {
        {Qt::Key_S, Qt::AltModifier, "S", "S", nullptr, nullptr},
        {Qt::Key_E, Qt::AltModifier, "SE", "SE", nullptr, nullptr},
        {Qt::Key_X, Qt::AltModifier, "SEX", "SEX", nullptr, nullptr},
        // The first-day rule: a new first day clears the other marks and their buttons.
        {Qt::Key_1, Qt::AltModifier, "1", "1", nullptr, nullptr},
        {Qt::Key_1, Qt::AltModifier, "", "", nullptr, nullptr},
        {Qt::Key_S, Qt::AltModifier, "S", "S", nullptr, nullptr},
        {Qt::Key_S, Qt::ControlModifier, "S", "S", "Eintrag gespeichert!", ",36.5,S,\r\n"},
        {Qt::Key_F1, Qt::NoModifier, "S", "S", help.c_str(), ",36.5,S,\r\n"},
        {Qt::Key_D, Qt::ControlModifier, "", "", "Eintrag gelöscht!", nullptr},
        // The delete button is disabled on a day without entry, and so is its shortcut.
        {Qt::Key_D, Qt::ControlModifier, "", "", nullptr, nullptr},
    };
    WriteJournal(HEADER);
    QComboBox *comment = window->Form()->CommentBox();
    comment->setFocus();
    ASSERT_TRUE(
        WaitFor([&] { return window->Form()->ControlIdOf(QApplication::focusWidget()) == IDC_COMMENT; }));
    for (const Step &step : steps) {
        const std::string name = QKeySequence(step.key | step.modifiers).toString().toStdString();
        const std::size_t boxesBefore = recorder.boxes.size();
        QTest::keyClick(KeyTarget(), step.key, step.modifiers);
        if (step.box != nullptr) {
            ASSERT_TRUE(WaitFor([&] { return recorder.boxes.size() > boxesBefore; })) << name;
            EXPECT_EQ(recorder.boxes.back().text, step.box) << name;
        } else {
            QTest::qWait(50);
            EXPECT_EQ(recorder.boxes.size(), boxesBefore) << name;
        }
        EXPECT_EQ(window->State().scan.selection.marks, step.marks) << name;
        EXPECT_EQ(CheckedButtons(*window->Toolbar()), step.checked) << name;
        EXPECT_EQ(ReadJournal(),
                  step.record == nullptr ? std::string(HEADER) : HEADER + TodayRecord(step.record))
            << name;
        EXPECT_EQ(window->Form()->ControlIdOf(QApplication::focusWidget()), IDC_COMMENT) << name;
    }
}

TEST_F(ShellFixture, CtrlIShowsTheStatisticsAndCtrlQEndsTheProgram) {
    window->Form()->TemperatureList()->setFocus();
    QTest::keyClick(KeyTarget(), Qt::Key_I, Qt::ControlModifier);
    ASSERT_TRUE(WaitFor([&] { return recorder.boxes.size() == 1; }));
    EXPECT_EQ(recorder.boxes[0].caption, "Plenta - Information");
    EXPECT_EQ(recorder.boxes[0].text, window->State().scan.stats.statisticsText);
    QTest::keyClick(KeyTarget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(WaitFor([&] { return window->IsDestroyed(); }));
}

TEST_F(ShellFixture, CtrlPAsksForAFileAndWritesTheReport) {
    WriteJournal(HEADER + TodayRecord(",36.5,1,alk\r\n"));
    const std::filesystem::path pdf = Journal().parent_path() / "bericht";
    for (const bool accept : {false, true}) {
        // The recorder rejects every box; this answer accepts the file dialog with a name.
        std::vector<std::string> seen;
        const ModalInterceptor previous = SetModalInterceptor([&](QDialog &box) {
            seen.push_back(box.windowTitle().toStdString() + ": " +
                           box.property(MESSAGE_TEXT_PROPERTY).toString().toStdString());
            auto *dialog = qobject_cast<QFileDialog *>(&box);
            if (dialog != nullptr && accept) {
                dialog->selectFile(QString::fromStdString(pdf.string()));
                return static_cast<int>(QDialog::Accepted);
            }
            return 0;
        });
        QTest::keyClick(KeyTarget(), Qt::Key_P, Qt::ControlModifier);
        ASSERT_TRUE(WaitFor([&] { return seen.size() == (accept ? 2U : 1U); }));
        SetModalInterceptor(previous);
        EXPECT_EQ(seen[0], "Bericht speichern: ");
        EXPECT_EQ(accept ? seen[1] : "", accept ? "Bericht speichern: Bericht gespeichert!" : "");
        EXPECT_EQ(test::ReadBytes(pdf.string() + ".pdf").starts_with("%PDF-"), accept);
    }
}

// Ctrl+Z in the comment field takes back the field's own typing first, then the window's delete, but never
// over what another program wrote since.
TEST_F(ShellFixture, CtrlZUndoesTheCommentsTypingAndThenTheJournal) {
    const std::string journal = HEADER + TodayRecord(",36.7,S,alk\r\n");
    const std::string changed = HEADER + TodayRecord(",36.9,,\r\n");
    const std::string date = TodayRecord("");
    const std::string day = date.substr(8, 2) + "." + date.substr(5, 2) + "." + date.substr(0, 4);
    // What another program writes after the delete; the second Ctrl+Z's box and the journal after it.
    const struct {
        std::string since, box, after;
    } cases[] = {
        {"", "Eintrag wiederhergestellt!\n" + day, journal},
        {changed, "Nicht rückgängig gemacht!\nInzwischen anderswo geändert:\n" + day, changed},
    };
    QComboBox *comment = window->Form()->CommentBox();
    for (const auto &c : cases) {
        WriteJournal(journal);
        comment->setFocus();
        QTest::keyClick(KeyTarget(), Qt::Key_D, Qt::ControlModifier);
        ASSERT_TRUE(WaitFor([&] { return !recorder.boxes.empty(); }));
        if (!c.since.empty()) {
            WriteJournal(c.since);
        }
        const std::string afterDelete = ReadJournal();
        QTest::keyClicks(KeyTarget(), "ab");
        recorder.boxes.clear();
        QTest::keyClick(KeyTarget(), Qt::Key_Z, Qt::ControlModifier);
        QTest::qWait(50);
        EXPECT_TRUE(recorder.boxes.empty());
        EXPECT_EQ(comment->currentText(), "");
        EXPECT_EQ(ReadJournal(), afterDelete);
        QTest::keyClick(KeyTarget(), Qt::Key_Z, Qt::ControlModifier);
        ASSERT_TRUE(WaitFor([&] { return !recorder.boxes.empty(); }));
        EXPECT_EQ(recorder.boxes.back().text, c.box);
        EXPECT_EQ(ReadJournal(), c.after);
        recorder.boxes.clear();
    }
}

} // namespace
} // namespace plenta
