// SPDX-License-Identifier: GPL-3.0-or-later
// The command dispatcher over a real journal file: mark buttons, exit, save, delete, the date-change rule and
// the statistics box. The About box's exit is proven by the box's own test and
// end to end by the program's.
#include "BoxRecorder.h"
#include "FormFixture.h"

#include <TempFolder.h>

#include "chart/ChartLayout.h"
#include "ui/Command.h"
#include "ui/CommandDispatcher.h"
#include "ui/EntryForm.h"
#include "ui/FormRefresh.h"
#include "ui/MainToolbar.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <fstream>

namespace plenta {
namespace {

using test::ReadBytes;

class DispatcherTest : public FormFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        FormFixture::SetUp();
        state.paths.journalPath = std::filesystem::path(dir.path().toStdString()) / "plenta.txt";
        state.paths.messageCaption = "plenta";
        state.layout = MakeChartLayout(CHART_TOP);
        dispatcher = std::make_unique<CommandDispatcher>(
            CommandDispatcher::Window{window, form, toolbar,
                                      [this](Command command) { sent.push_back(command); },
                                      [this] {
                                          ++destroyed;
                                      }},
            state);
        QObject::connect(toolbar, &MainToolbar::commandTriggered,
                         [this](Command command) { dispatcher->OnCommand(command); });
        QObject::connect(form, &EntryForm::pickedDateChanged, [this] { dispatcher->OnPickedDateChanged(); });
    }

    void Tap(Command command) { toolbar->Button(command)->click(); }
    void Pick(int year, int month, int day) { form->DatePicker()->setDate(QDate(year, month, day)); }

    QTemporaryDir dir;
    ShellState state;
    std::unique_ptr<CommandDispatcher> dispatcher;
    std::vector<Command> sent;
    int destroyed = 0;
    BoxRecorder recorder;
};

struct MarkCase {
    std::string marks;         // the pending string before the taps, shown by a refresh
    std::vector<Command> taps; // toolbar buttons tapped in order
    std::string expected;      // the pending string after them
    std::string checkedAfter;  // letters whose buttons are checked afterwards, in the order 1 S E X
};

TEST_F(DispatcherTest, MarkButtonsFollowTheFirstDayRule) {
    const MarkCase cases[] = {
        {"SX", {Command::FirstDay}, "1", "1"},
        {"1S", {Command::FirstDay}, "S", "S"},
        {"1", {Command::Mucus, Command::Intercourse}, "1SX", "1SX"},
        {"SEX", {Command::Ovulation}, "SX", "SX"},
        {"SEX", {Command::Ovulation, Command::Ovulation}, "SXE", "SEX"},
        // A doubled letter from a hand-edited journal: the button and the string disagree until the next
        // scan.
        {"SS", {Command::Mucus}, "S", ""},
        {"s", {Command::Mucus}, "sS", "S"},
        {"", {Command::Mucus, Command::FirstDay, Command::Ovulation}, "1E", "1E"},
    };
    for (const MarkCase &c : cases) {
        DaySelection shown{true, "2003/04/05", 365, "", c.marks};
        RefreshForm(form, toolbar, shown);
        state.scan.selection = shown;
        for (const Command command : c.taps) {
            Tap(command);
        }
        EXPECT_EQ(state.scan.selection.marks, c.expected) << c.marks;
        std::string checked;
        for (const auto &[command, letter] : {std::pair{Command::FirstDay, '1'},
                                              {Command::Mucus, 'S'},
                                              {Command::Ovulation, 'E'},
                                              {Command::Intercourse, 'X'}}) {
            if (Checked(command)) {
                checked.push_back(letter);
            }
        }
        EXPECT_EQ(checked, c.checkedAfter) << c.marks;
    }
}

TEST_F(DispatcherTest, ExitDestroysTheWindowWithoutABox) {
    dispatcher->OnCommand(Command::Mucus);
    EXPECT_EQ(destroyed, 0);
    dispatcher->OnCommand(Command::Exit);
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(DispatcherTest, SaveReplaceAndDeleteRewriteTheJournal) {
    Pick(2003, 4, 5);
    form->TemperatureList()->setCurrentIndex(10);
    Tap(Command::Mucus);
    Tap(Command::Ovulation);
    form->CommentBox()->setEditText(QString::fromUtf8("zu spät"));
    dispatcher->OnCommand(Command::Save);
    EXPECT_EQ(ReadBytes(state.paths.journalPath),
              "Tag,Temperatur,Attribut,Kommentar\r\n2003/04/05,36.5,SE,zu sp\xe4t\r\n");
    EXPECT_TRUE(state.scan.selection.hasEntry);
    EXPECT_TRUE(toolbar->Button(Command::DeleteDay)->isEnabled());
    EXPECT_TRUE(Checked(Command::Mucus));

    // The scan reads the comment whole, so changing only the temperature keeps the user's own text.
    EXPECT_EQ(form->CommentBox()->currentText(), QString::fromUtf8("zu spät"));
    form->TemperatureList()->setCurrentIndex(0);
    dispatcher->OnCommand(Command::Save);
    EXPECT_EQ(ReadBytes(state.paths.journalPath),
              "Tag,Temperatur,Attribut,Kommentar\r\n2003/04/05,37.5,SE,zu sp\xe4t\r\n");

    dispatcher->OnCommand(Command::DeleteDay);
    EXPECT_EQ(ReadBytes(state.paths.journalPath), "Tag,Temperatur,Attribut,Kommentar\r\n");
    EXPECT_FALSE(toolbar->Button(Command::DeleteDay)->isEnabled());
    EXPECT_FALSE(state.scan.selection.hasEntry);
    EXPECT_FALSE(Checked(Command::Mucus));

    EXPECT_EQ(recorder.Texts(), (std::vector<std::string>{"Eintrag gespeichert!", "Eintrag ersetzt!",
                                                          "Eintrag gel\xc3\xb6scht!"}));
    for (const SeenBox &box : recorder.boxes) {
        EXPECT_EQ(box.caption, "plenta");
    }
}

TEST_F(DispatcherTest, AFailedSaveReportsAndChangesNothing) {
    state.paths.journalPath = std::filesystem::path(dir.path().toStdString()) / "missing" / "plenta.txt";
    SetButtonEnabled(toolbar, Command::DeleteDay, false);
    dispatcher->OnCommand(Command::Save);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_NE(recorder.boxes[0].text, "Eintrag gespeichert!");
    EXPECT_FALSE(toolbar->Button(Command::DeleteDay)->isEnabled());
    EXPECT_FALSE(std::filesystem::exists(state.paths.journalPath));
}

TEST_F(DispatcherTest, ASaveWithoutListTemperatureKeepsTheDaysOwn) {
    std::ofstream(state.paths.journalPath, std::ios::binary)
        << "Tag,Temperatur,Attribut,Kommentar\r\n2003/04/05,38.0,X,\r\n";
    Pick(2003, 4, 5);
    ASSERT_EQ(form->TemperatureList()->currentIndex(), -1) << "38.0 is not in the list";
    dispatcher->OnCommand(Command::Save);
    EXPECT_EQ(ReadBytes(state.paths.journalPath),
              "Tag,Temperatur,Attribut,Kommentar\r\n2003/04/05,38.0,X,\r\n");
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"Eintrag ersetzt!"});
}

TEST_F(DispatcherTest, OnlyADifferentDateRescans) {
    Pick(2003, 4, 5);
    form->TemperatureList()->setCurrentIndex(12);
    Tap(Command::Mucus);
    dispatcher->OnCommand(Command::Save);
    ASSERT_EQ(state.scan.selection.date, "2003/04/05");

    Tap(Command::Intercourse); // pending, not saved
    dispatcher->OnPickedDateChanged();
    EXPECT_EQ(state.scan.selection.marks, "SX") << "the shown date must not rescan and drop pending input";

    Pick(2003, 4, 6);
    EXPECT_EQ(state.scan.selection.date, "2003/04/06");
    EXPECT_FALSE(state.scan.selection.hasEntry);
    EXPECT_EQ(form->TemperatureList()->currentText(), "36.5");

    Pick(2003, 4, 5);
    EXPECT_EQ(state.scan.selection.marks, "S");
    EXPECT_EQ(form->TemperatureList()->currentText(), "36.3");
}

TEST_F(DispatcherTest, StatisticsBoxShowsTheLastScansText) {
    dispatcher->ShowStatistics();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, "Plenta - Information");
    EXPECT_EQ(recorder.boxes[0].text, "");
    Pick(2003, 4, 5);
    dispatcher->OnCommand(Command::Save);
    dispatcher->ShowStatistics();
    EXPECT_EQ(recorder.boxes.back().text.rfind("Datenbank hat 1 Eintr", 0), 0u) << recorder.boxes.back().text;
}

} // namespace
} // namespace plenta
