// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop keyboard shortcuts of the main window (marks, save, delete, undo, help, statistics, exit,
// zoom). They act wherever the focus is inside the window, the comment field included, and never while a box
// or a drop-down list has the keys.
#pragma once

namespace plenta {

class MainWindow;

// Creates the shortcuts as children of the window; they live as long as it does.
void InstallDesktopShortcuts(MainWindow &window);

} // namespace plenta
