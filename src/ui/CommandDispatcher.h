// The main window's command handling: the mark toggles with the first-day rule, save, delete, About box and
// exit, and the rescan that follows a date change or an edit. It reads and applies the form and the toolbar;
// the journal library does the reading and writing of the file.
#pragma once

#include "MainToolbar.h"
#include "ShellState.h"

#include <JournalEdit.h>

#include <cstdint>
#include <functional>

class QWidget;

namespace plenta {

class EntryForm;

class CommandDispatcher {
public:
    struct Window {
        QWidget &mainWindow;
        EntryForm *form;      // null when the form could not be made
        MainToolbar *toolbar; // null when the toolbar could not be made
        // Synchronous delivery to the main window (the About box's exit).
        std::function<void(int)> sendCommand;
        std::function<void()> destroyMainWindow;
    };

    CommandDispatcher(Window window, ShellState &state);

    // Handles a command by the low 16 bits of its parameter; false for an identifier it does not know.
    bool OnCommand(std::uint32_t commandParameter);

    // Rescans the journal for the picked date; a journal that cannot be opened leaves everything as it was.
    void Rescan();

    // A new date in the picker rescans only when it differs from the date the selection shows.
    void OnPickedDateChanged();

    // The statistics box: the last scan's statistics text under the caption "Plenta - Information".
    void ShowStatistics();

private:
    bool RunCommand(std::uint32_t commandParameter);
    Date PickedDate() const;
    void Save();
    void DeleteDay();
    void ReportEdit(EditOutcome outcome, BitChange deleteButton);
    void ShowAbout();
    // The About box's "Info" text, without the About box.
    void ShowKeyHelp();
    void FirstDay();

    Window window_;
    ShellState &state_;
};

} // namespace plenta
