// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up order and results, the refresh over a real journal, the double tap, and the ways out.
#include "ShellFixture.h"

#include "app/CommandEvent.h"
#include "app/SingleInstance.h"
#include "journal/JournalRecord.h"
#include "journal/JournalScan.h"
#include "platform/LocalToday.h"
#include "ui/Command.h"
#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"
#include "ui/PickerDate.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace plenta {
namespace {

using test::HEADER;

bool Checked(const MainToolbar &toolbar, Command command) {
    return toolbar.Button(command)->isChecked();
}
bool Enabled(const MainToolbar &toolbar, Command command) {
    return toolbar.Button(command)->isEnabled();
}

// Runs the event loop as main() does; a loop that does not end by itself is ended with 1 after a long while.
int RunEventLoop() {
    QTimer::singleShot(WAIT_LIMIT_MS, qApp, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}

TEST_F(ShellFixture, StartUpPlacesEverythingBelowEachOther) {
    EXPECT_EQ(window->size(), QSize(240, 294));
    EXPECT_EQ(window->windowTitle(), "Plenta");
    EXPECT_EQ(window->State().layout.top, 64);
    EXPECT_EQ(window->State().layout.bottom, 64 + 119);
    // No journal yet: the form keeps its start-up state.
    EXPECT_EQ(window->Form()->TemperatureList()->currentText(), "36.5");
    EXPECT_EQ(window->Form()->CommentBox()->count(), 2);
    EXPECT_TRUE(Enabled(*window->Toolbar(), Command::DeleteDay)) << "no scan has disabled it yet";
    EXPECT_EQ(Journal().parent_path(), std::filesystem::path(root.path().toStdString()));
}

TEST_F(ShellFixture, TheFormShowsThePickedDaysEntry) {
    const QDate yesterday = QDate::currentDate().addDays(-1);
    const std::string key = SelectionDateText(ToDate(yesterday));
    const std::string before = SelectionDateText(ToDate(yesterday.addDays(-1)));
    WriteJournal(HEADER + before + ",35.9,,sp\xe4t\r\n" + key + ",36.8,1S,Alkohol\r\n");
    EntryForm &form = *window->Form();
    MainToolbar &toolbar = *window->Toolbar();
    EXPECT_FALSE(Enabled(toolbar, Command::DeleteDay)) << "today has no entry";

    form.DatePicker()->setDate(yesterday);
    EXPECT_TRUE(Enabled(toolbar, Command::DeleteDay));
    EXPECT_EQ(form.TemperatureList()->currentText(), "36.8");
    EXPECT_EQ(form.CommentBox()->currentText(), "Alkohol");
    ASSERT_EQ(form.CommentBox()->count(), 2); // the journal's comments replace "alk" and "spät"
    EXPECT_EQ(form.CommentBox()->itemText(0), QString::fromUtf8("spät"));
    EXPECT_TRUE(Checked(toolbar, Command::FirstDay));

    form.DatePicker()->setDate(QDate::currentDate());
    EXPECT_FALSE(Enabled(toolbar, Command::DeleteDay));
    EXPECT_FALSE(Checked(toolbar, Command::FirstDay));
}

TEST_F(ShellFixture, ADoubleTapOnTheChartShowsTheStatistics) {
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(120, 150));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, "Plenta - Information");
    EXPECT_EQ(recorder.boxes[0].text, "") << "no scan could open a journal yet";

    // The form's label is the form's, not the chart's.
    QLabel *label = window->Form()->findChild<QLabel *>();
    ASSERT_NE(label, nullptr);
    QTest::mouseDClick(label, Qt::LeftButton);
    EXPECT_EQ(recorder.boxes.size(), 1u);
}

// A pasted comment is saved as the field shows it, never answered with the journal's error.
TEST_F(ShellFixture, APastedCommentIsSavedAsTheFieldShowsIt) {
    QLineEdit &field = *window->Form()->CommentBox()->lineEdit();
    QGuiApplication::clipboard()->setText(QString::fromUtf8("ab\r\ncd\te\xd0\x96"));
    field.setFocus();
    field.paste();
    window->SendCommand(Command::Save);
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"Eintrag gespeichert!"});
    EXPECT_EQ(ReadJournal(), HEADER + RecordDatePrefix(LocalToday()) + ",36.5,,ab cd e\r\n");
}

TEST_F(ShellFixture, OnlyTheForegroundWindowIsFittedToTheVisibleDesktop) {
    window->setFixedSize(300, 300);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->FitToVisibleDesktop();
    EXPECT_EQ(window->size(), QSize(300, 300));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(window->size(), QSize(240, 294)) << "its activation fits it again";
    // Fixed, so that no window manager maximises or tiles it.
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
}

TEST_F(ShellFixture, ASecondStartBringsTheWindowAndItsBoxForward) {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    SingleInstance second(SingleInstance::ServerNameFor("Plenta"));
    EXPECT_EQ(second.Claim(), SingleInstance::Role::Second);
    EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == window; }));

    recorder.whileOpen = [&](QDialog &box) {
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        SingleInstance third(SingleInstance::ServerNameFor("Plenta"));
        EXPECT_EQ(third.Claim(), SingleInstance::Role::Second);
        EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &box; }));
        box.hide();
    };
    window->SendCommand(Command::About);
    EXPECT_EQ(recorder.boxes.size(), 1u);
}

TEST_F(ShellFixture, ExitCommandEndsTheProgramWithCodeZero) {
    PostCommand(*window, Command::Exit);
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_TRUE(window->IsDestroyed());
    EXPECT_FALSE(window->isVisible());
    // Later commands and paints find a destroyed window and touch nothing.
    window->SendCommand(Command::Save);
    window->repaint();
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(ShellFixture, EndeInTheAboutBoxEndsTheProgram) {
    recorder.whileOpen = [](QDialog &box) {
        if (auto *about = qobject_cast<AboutBox *>(&box)) {
            box.show();
            about->ExitButton()->click();
            EXPECT_FALSE(box.isVisible()) << "the box goes with its main window";
        }
    };
    PostCommand(*window, Command::About);
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_TRUE(window->IsDestroyed());
}

TEST_F(ShellFixture, ClosingTheWindowEndsTheProgram) {
    QTimer::singleShot(0, window, [this] { window->close(); });
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_TRUE(window->IsDestroyed());
}

} // namespace
} // namespace plenta
