// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command handling: the mark toggles with the first-day rule, save, delete, undo, About
// box and exit, and the rescan that follows a date change or an edit. It reads and applies the form and the
// toolbar; the journal library does the reading and writing of the file.
#pragma once

#include "ui/Command.h"
#include "ui/MainToolbar.h"
#include "ui/ShellState.h"

#include "journal/JournalEdit.h"

#include <functional>

class QWidget;

namespace plenta {

class EntryForm;

class CommandDispatcher {
public:
    struct Window {
        QWidget &mainWindow;
        // Null when the form could not be made.
        EntryForm *form;
        // Null when the toolbar could not be made.
        MainToolbar *toolbar;
        // Synchronous delivery to the main window (the About box's exit).
        std::function<void(Command)> sendCommand;
        std::function<void()> destroyMainWindow;
    };

    CommandDispatcher(Window window, ShellState &state);

    void OnCommand(Command command);

    // Rescans the journal for the picked date; a journal that cannot be opened leaves everything as it was.
    void Rescan();

    // A new date in the picker rescans only when it differs from the date the selection shows.
    void OnPickedDateChanged();

    // The statistics box: the last scan's statistics text under the caption "Plenta - Information".
    void ShowStatistics();

private:
    void RunCommand(Command command);
    Date PickedDate() const;
    void Save();
    void DeleteDay();
    void Undo();
    enum class DeleteButton { Disable, Enable };
    ChangeRecording Recording() const;
    void ReportEdit(EditOutcome outcome, const ChangeRecording &recording, DeleteButton deleteButton);
    void ShowAbout();
    // The About box's "Info" text, without the About box.
    void ShowKeyHelp();
    void FirstDay();

    Window window_;
    ShellState &state_;
};

} // namespace plenta
