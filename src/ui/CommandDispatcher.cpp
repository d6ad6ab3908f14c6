// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command handling and the rescan that follows a date change or an edit.
#include "ui/CommandDispatcher.h"

#include "ui/AboutBox.h"
#include "ui/ChangeTexts.h"
#include "ui/ChartRepaint.h"
#include "ui/EntryForm.h"
#include "ui/FormRefresh.h"
#include "ui/MainToolbar.h"
#include "ui/MarkString.h"
#include "ui/ModalBox.h"
#include "ui/PickerDate.h"
#include "ui/ReportSaving.h"
#include "ui/Translation.h"

#include "journal/JournalEdit.h"
#include "journal/JournalScan.h"
#include "journal/JournalUndo.h"
#include "platform/LocalToday.h"
#include <StringTable.h>

#include <QApplication>
#include <QComboBox>
#include <QPointer>

#include <new>
#include <utility>

namespace plenta {

namespace {

// The keyboard focus, or the main window's own focus child while no window of the program is active.
QWidget *FocusedWidget(QWidget &mainWindow) {
    QWidget *focus = QApplication::focusWidget();
    return focus != nullptr ? focus : mainWindow.focusWidget();
}

// A box took the focus; it goes back to the control that had it, if that control still exists.
void RestoreFocus(const QPointer<QWidget> &focus) {
    if (focus != nullptr) {
        focus->setFocus();
    }
}

// What an undo did, in the program's words: the days given back, or why nothing was written.
std::string UndoMessage(const UndoResult &result, const ChangeRecording &recording) {
    std::string text;
    switch (result.status) {
    case UndoStatus::Undone:
        text =
            TextUtf8(StringId::EntryRestored) + "\n" + DateListText(result.dates) + HistoryWarning(recording);
        break;
    case UndoStatus::NothingToUndo:
        text = TextUtf8(StringId::NothingToUndo);
        break;
    case UndoStatus::ChangedSince:
        text = TextUtf8(StringId::UndoRefused) + "\n" + DateListText(result.dates);
        break;
    case UndoStatus::HistoryUnreadable:
        text = TextUtf8(StringId::HistoryUnreadable);
        break;
    case UndoStatus::AccessError:
        text = TextUtf8(StringId::AccessError);
        break;
    }
    return text;
}

} // namespace

CommandDispatcher::CommandDispatcher(Window window, ShellState &state)
    : window_(std::move(window))
    , state_(state) {}

void CommandDispatcher::OnCommand(Command command) {
    // Memory running out inside a command ends in the program's error message, never in an abort from the
    // event loop; the journal's rewrite has left the journal as it was by then.
    try {
        RunCommand(command);
    } catch (const std::bad_alloc &) {
        ShowMessageBox(&window_.mainWindow, TextUtf8(MessageOf(EditOutcome::AccessError)),
                       state_.paths.messageCaption);
    }
}

void CommandDispatcher::RunCommand(Command command) {
    switch (command) {
    case Command::Exit:
        if (window_.destroyMainWindow) {
            window_.destroyMainWindow();
        }
        break;
    case Command::Mucus:
        ToggleMark(state_.scan.selection.marks, LETTER_MUCUS);
        break;
    case Command::Ovulation:
        ToggleMark(state_.scan.selection.marks, LETTER_OVULATION);
        break;
    case Command::FirstDay:
        FirstDay();
        break;
    case Command::Intercourse:
        ToggleMark(state_.scan.selection.marks, LETTER_INTERCOURSE);
        break;
    case Command::Save:
        Save();
        break;
    case Command::DeleteDay:
        DeleteDay();
        break;
    case Command::Undo:
        Undo();
        break;
    case Command::About:
        ShowAbout();
        break;
    case Command::KeyHelp:
        ShowKeyHelp();
        break;
    case Command::Statistics:
        ShowStatistics();
        break;
    case Command::Report: {
        const QPointer<QWidget> focus = FocusedWidget(window_.mainWindow);
        SaveReport(window_.mainWindow, state_.paths.journalPath, LocalToday());
        RestoreFocus(focus);
        break;
    }
    }
}

void CommandDispatcher::FirstDay() {
    if (ApplyFirstDayRule(state_.scan.selection.marks) == FirstDayChange::Started) {
        for (const Command command : {Command::Mucus, Command::Ovulation, Command::Intercourse}) {
            SetButtonChecked(window_.toolbar, command, false);
        }
    }
}

Date CommandDispatcher::PickedDate() const {
    return window_.form != nullptr ? window_.form->PickedDate() : LocalToday();
}

void CommandDispatcher::Rescan() {
    // A scan that runs out of memory keeps the previous results, as a journal that cannot be opened does.
    std::optional<JournalScan> scan;
    try {
        scan = LoadJournal(state_.paths.journalPath, PickedDate(), LocalToday());
    } catch (const std::bad_alloc &) {
        return;
    }
    if (!scan) {
        return;
    }
    state_.scan = std::move(*scan);
    if (window_.form != nullptr) {
        window_.form->SetCommentItems(state_.scan.comments);
    }
    RefreshForm(window_.form, window_.toolbar, state_.scan.selection);
    InvalidateChart(window_.mainWindow, state_.layout);
}

void CommandDispatcher::OnPickedDateChanged() {
    if (SelectionDateText(PickedDate()) != state_.scan.selection.date) {
        Rescan();
    }
}

void CommandDispatcher::Save() {
    const QPointer<QWidget> focus = FocusedWidget(window_.mainWindow);
    EntryValues entry;
    entry.date = PickedDate();
    const int listIndex = window_.form != nullptr ? window_.form->TemperatureList()->currentIndex() : -1;
    entry.temperature = TemperatureForSave(listIndex, state_.scan.selection.temperature);
    entry.marks = state_.scan.selection.marks;
    entry.comment = window_.form != nullptr ? window_.form->CommentText() : state_.scan.selection.comment;
    ChangeRecording recording = Recording();
    const EditOutcome outcome =
        SaveEntry(state_.paths.journalPath, entry, Durability::Fsync, nullptr, &recording);
    ReportEdit(outcome, recording, DeleteButton::Enable);
    RestoreFocus(focus);
}

void CommandDispatcher::DeleteDay() {
    const QPointer<QWidget> focus = FocusedWidget(window_.mainWindow);
    ChangeRecording recording = Recording();
    const EditOutcome outcome =
        DeleteDayEntries(state_.paths.journalPath, PickedDate(), Durability::Fsync, nullptr, &recording);
    ReportEdit(outcome, recording, DeleteButton::Disable);
    RestoreFocus(focus);
}

void CommandDispatcher::Undo() {
    const QPointer<QWidget> focus = FocusedWidget(window_.mainWindow);
    ChangeRecording recording = Recording();
    const UndoResult result = UndoLatestChange(state_.paths.journalPath, recording);
    // The form and the chart show the journal as it is now, as after a save; the picked day stays.
    if (result.status == UndoStatus::Undone) {
        Rescan();
    }
    ShowMessageBox(&window_.mainWindow, UndoMessage(result, recording), state_.paths.messageCaption);
    RestoreFocus(focus);
}

// Every change the window makes goes into this device's history.
ChangeRecording CommandDispatcher::Recording() const {
    ChangeRecording recording;
    recording.history = state_.paths.historyPath;
    return recording;
}

// A successful edit enables or disables the delete button and rescans; either way the outcome's message
// shows, with a warning when the change stands but the history could not take it (it cannot be undone).
void CommandDispatcher::ReportEdit(EditOutcome outcome, const ChangeRecording &recording,
                                   DeleteButton deleteButton) {
    if (Succeeded(outcome)) {
        SetButtonEnabled(window_.toolbar, Command::DeleteDay, deleteButton == DeleteButton::Enable);
        Rescan();
    }
    ShowMessageBox(&window_.mainWindow, TextUtf8(MessageOf(outcome)) + HistoryWarning(recording),
                   state_.paths.messageCaption);
}

void CommandDispatcher::ShowAbout() {
    const QPointer<QWidget> focus = FocusedWidget(window_.mainWindow);
    AboutBox box(&window_.mainWindow, window_.sendCommand);
    RunModal(box);
    RestoreFocus(focus);
}

void CommandDispatcher::ShowKeyHelp() {
    const QPointer<QWidget> focus = FocusedWidget(window_.mainWindow);
    ShowMessageBox(&window_.mainWindow, KeyHelpText(), TextUtf8(StringId::InfoCaption));
    RestoreFocus(focus);
}

void CommandDispatcher::ShowStatistics() {
    ShowMessageBox(&window_.mainWindow, StatisticsBoxText(state_.scan.stats),
                   TextUtf8(StringId::InfoCaption));
}

} // namespace plenta
