// Start-up in its fixed order: single-instance test, main window, fit to the visible desktop, paths and
// picture, toolbar, the first scan, the first paint's chart on a second thread, entry form, the rest of the
// program's state, then the key filter and the first paint.
#pragma once

#include "journal/JournalTypes.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

class QApplication;

namespace plenta {

class KeyFilter;
class MainWindow;
class SingleInstance;
struct ShellState;

// Everything that lives from start-up to exit.
struct Application {
    QApplication *appInstance = nullptr;
    // String 128: the window's title, and the product name the single-instance socket is named after.
    std::string windowTitle;
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<KeyFilter> keyFilter;

    Application();
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;
};

// Builds and shows the program; nothing when another instance runs (it has been asked to come forward).
// `zoom` is the one asked for on the command line, if any.
std::unique_ptr<Application> StartApplication(QApplication &app, std::optional<int> zoom = std::nullopt);

// The journal's and the picture's paths, and the picture.
void LoadPathsAndPicture(ShellState &state);

// The journal scanned for the date the form is about to show.
struct FirstScan {
    Date date;
    JournalScan scan;
};

// Scans the journal for today, before the form exists; nothing when the journal cannot be read.
std::optional<FirstScan> ScanForToday(const ShellState &state);

// Form lists, chart layout and the first scan's results, once the main window and its children exist and the
// paths are known. The first scan counts only when the form shows its date (a start across midnight reads the
// journal again).
void InitialiseState(MainWindow &mainWindow, int layoutOffset, std::optional<FirstScan> firstScan);

} // namespace plenta
