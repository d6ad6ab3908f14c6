// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop keyboard shortcuts, one table for the shortcuts themselves and for the --help text.
#pragma once

#include "ui/Command.h"

#include <array>
#include <string_view>
#include <variant>

namespace plenta {

enum class ShortcutKind {
    // Clicks the toolbar button of the command, so that the shortcut does exactly what a tap does: a check
    // button flips, and a disabled button (delete, on a day without entry) does nothing.
    ToolbarButton,
    // Posts the command to the main window, as the hold keys do.
    Command,
    // Changes the zoom: +1 larger, -1 smaller, 0 back to the handheld's own size.
    Zoom,
};

struct DesktopShortcut {
    // Qt's portable key text; alternatives are separated by "; ".
    std::string_view keys;
    // How --help and the documentation name the keys.
    std::string_view label;
    ShortcutKind kind;
    // The command, or for ShortcutKind::Zoom the zoom step.
    std::variant<Command, int> argument;
    std::string_view description;
};

inline constexpr std::array<DesktopShortcut, 14> DESKTOP_SHORTCUTS{{
    {"Alt+1", "Alt+1", ShortcutKind::ToolbarButton, Command::FirstDay, "switch the first-day mark 1"},
    {"Alt+S", "Alt+S", ShortcutKind::ToolbarButton, Command::Mucus, "switch the mucus mark S"},
    {"Alt+E", "Alt+E", ShortcutKind::ToolbarButton, Command::Ovulation, "switch the ovulation mark E"},
    {"Alt+X", "Alt+X", ShortcutKind::ToolbarButton, Command::Intercourse, "switch the intercourse mark X"},
    {"Ctrl+S", "Ctrl+S", ShortcutKind::ToolbarButton, Command::Save, "save the picked day's entry"},
    {"Ctrl+D", "Ctrl+D", ShortcutKind::ToolbarButton, Command::DeleteDay,
     "delete every entry of the picked day"},
    // A form field's own typing is undone first; see InstallDesktopShortcuts.
    {"Ctrl+Z", "Ctrl+Z", ShortcutKind::Command, Command::Undo,
     "undo the latest change to the journal (a text field's own typing first)"},
    {"F1", "F1", ShortcutKind::Command, Command::KeyHelp, "show the key help"},
    {"Ctrl+I", "Ctrl+I", ShortcutKind::Command, Command::Statistics, "show the statistics"},
    {"Ctrl+P", "Ctrl+P", ShortcutKind::Command, Command::Report, "write the report for the doctor as a PDF"},
    {"Ctrl+Q", "Ctrl+Q", ShortcutKind::Command, Command::Exit, "end the program"},
    {"Ctrl++; Ctrl+Shift++; Ctrl+=", "Ctrl+Plus", ShortcutKind::Zoom, +1, "zoom in"},
    {"Ctrl+-", "Ctrl+Minus", ShortcutKind::Zoom, -1, "zoom out"},
    {"Ctrl+0", "Ctrl+0", ShortcutKind::Zoom, 0, "back to the handheld's size (zoom 1)"},
}};

} // namespace plenta
