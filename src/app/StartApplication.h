// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up in its fixed order: single-instance test, main window, fit to the visible desktop, paths and
// picture, toolbar, entry form, the rest of the program's state and the first scan, then the key filter and
// the first paint.
#pragma once

#include "platform/HandheldKeys.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

class QApplication;

namespace plenta {

class KeyFilter;
class MainWindow;
class SingleInstance;

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

// What the window is started with.
struct LaunchSettings {
    // The zoom asked for on the command line, if any.
    std::optional<int> zoom;
    // How long Action or Escape is held before its command fires.
    int holdPeriodMs = HOLD_PERIOD_MS;
};

// Builds and shows the program; nothing when another instance runs (it has been asked to come forward).
std::unique_ptr<Application> StartApplication(QApplication &app, const LaunchSettings &settings = {});

} // namespace plenta
