// The main window's command handling and the rescan that follows a date change or an edit.
#include "CommandDispatcher.h"

#include "AboutBox.h"
#include "CommandIds.h"
#include "DateText.h"
#include "EntryForm.h"
#include "FormRefresh.h"
#include "MainToolbar.h"
#include "MarkString.h"
#include "ModalBox.h"

#include <ChartPainter.h>
#include <JournalEdit.h>
#include <JournalScan.h>
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

} // namespace

CommandDispatcher::CommandDispatcher(Window window, ShellState &state)
    : window_(std::move(window))
    , state_(state) {}

bool CommandDispatcher::OnCommand(std::uint32_t commandParameter) {
    // Memory running out inside a command ends in the program's error message, never in an abort from the
    // event loop; the journal's rewrite has left the journal as it was by then.
    try {
        return RunCommand(commandParameter);
    } catch (const std::bad_alloc &) {
        ShowMessageBox(&window_.mainWindow, LoadText(MessageOf(EditOutcome::AccessError)),
                       state_.paths.appTitle);
        return true;
    }
}

bool CommandDispatcher::RunCommand(std::uint32_t commandParameter) {
    switch (CommandIdOf(commandParameter)) {
    case IDC_EXIT:
        if (window_.destroyMainWindow) {
            window_.destroyMainWindow();
        }
        return true;
    case IDM_MUCUS:
        ToggleMark(state_.scan.selection.marks, LETTER_MUCUS);
        return true;
    case IDM_OVULATION:
        ToggleMark(state_.scan.selection.marks, LETTER_OVULATION);
        return true;
    case IDM_FIRST_DAY:
        FirstDay();
        return true;
    case IDM_INTERCOURSE:
        ToggleMark(state_.scan.selection.marks, LETTER_INTERCOURSE);
        return true;
    case IDM_SAVE:
        Save();
        return true;
    case IDM_DELETE_DAY:
        DeleteDay();
        return true;
    case IDM_ABOUT:
        ShowAbout();
        return true;
    case IDM_KEY_HELP:
        ShowKeyHelp();
        return true;
    case IDM_STATISTICS:
        ShowStatistics();
        return true;
    default:
        return false;
    }
}

void CommandDispatcher::FirstDay() {
    if (ApplyFirstDayRule(state_.scan.selection.marks) == FirstDayChange::Started) {
        for (const int command : {IDM_MUCUS, IDM_OVULATION, IDM_INTERCOURSE}) {
            ChangeButtonBit(window_.toolbar, command, BUTTON_CHECKED, BitChange::Clear);
        }
    }
}

Date CommandDispatcher::PickedDate() const {
    return window_.form != nullptr ? window_.form->PickedDate() : Today();
}

void CommandDispatcher::Rescan() {
    // A scan that runs out of memory keeps the previous results, as a journal that cannot be opened does.
    std::optional<JournalScan> scan;
    try {
        scan = LoadJournal(state_.paths.journalPath, PickedDate(), Today());
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
    InvalidateChart(window_.mainWindow, state_.layout, state_.scan.stats, state_.scan.stats.selectedCycleDay);
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
    ReportEdit(SaveEntry(state_.paths.journalPath, entry), BitChange::Set);
    RestoreFocus(focus);
}

void CommandDispatcher::DeleteDay() {
    const QPointer<QWidget> focus = FocusedWidget(window_.mainWindow);
    ReportEdit(DeleteDayEntries(state_.paths.journalPath, PickedDate()), BitChange::Clear);
    RestoreFocus(focus);
}

// A successful edit sets or clears the delete button and rescans; either way the outcome's message shows.
void CommandDispatcher::ReportEdit(EditOutcome outcome, BitChange deleteButton) {
    if (Succeeded(outcome)) {
        ChangeButtonBit(window_.toolbar, IDM_DELETE_DAY, BUTTON_ENABLED, deleteButton);
        Rescan();
    }
    ShowMessageBox(&window_.mainWindow, LoadText(MessageOf(outcome)), state_.paths.appTitle);
}

void CommandDispatcher::ShowAbout() {
    const QPointer<QWidget> focus = FocusedWidget(window_.mainWindow);
    AboutBox box(&window_.mainWindow, window_.sendCommand);
    RunModal(box);
    RestoreFocus(focus);
}

void CommandDispatcher::ShowKeyHelp() {
    const QPointer<QWidget> focus = FocusedWidget(window_.mainWindow);
    ShowMessageBox(&window_.mainWindow, LoadText(StringId::HelpText), LoadText(StringId::InfoCaption));
    RestoreFocus(focus);
}

void CommandDispatcher::ShowStatistics() {
    ShowMessageBox(&window_.mainWindow, state_.scan.stats.statisticsText, LoadText(StringId::InfoCaption));
}

} // namespace plenta
