// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop keyboard shortcuts, one table for the shortcuts themselves and for the --help text.
#pragma once

#include "ui/Command.h"
#include <TranslatedText.h>

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
    // How --help and the documentation name the keys, in German; translated under the context "Shortcuts".
    std::string_view label;
    ShortcutKind kind;
    // The command, or for ShortcutKind::Zoom the zoom step.
    std::variant<Command, int> argument;
    // What the keys do, in German; translated under the context "Shortcuts".
    std::string_view description;
};

inline constexpr std::array<DesktopShortcut, 14> DESKTOP_SHORTCUTS{{
    {"Alt+1", "Alt+1", ShortcutKind::ToolbarButton, Command::FirstDay,
     PLENTA_TEXT("Shortcuts", "Zeichen 1 (erster Tag) umschalten")},
    {"Alt+S", "Alt+S", ShortcutKind::ToolbarButton, Command::Mucus,
     PLENTA_TEXT("Shortcuts", "Zeichen S (Schleim) umschalten")},
    {"Alt+E", "Alt+E", ShortcutKind::ToolbarButton, Command::Ovulation,
     PLENTA_TEXT("Shortcuts", "Zeichen E (Eisprung) umschalten")},
    {"Alt+X", "Alt+X", ShortcutKind::ToolbarButton, Command::Intercourse,
     PLENTA_TEXT("Shortcuts", "Zeichen X (Sex) umschalten")},
    {"Ctrl+S", PLENTA_TEXT("Shortcuts", "Strg+S"), ShortcutKind::ToolbarButton, Command::Save,
     PLENTA_TEXT("Shortcuts", "den Eintrag des gewählten Tages speichern")},
    {"Ctrl+D", PLENTA_TEXT("Shortcuts", "Strg+D"), ShortcutKind::ToolbarButton, Command::DeleteDay,
     PLENTA_TEXT("Shortcuts", "alle Einträge des gewählten Tages löschen")},
    // A form field's own typing is undone first; see InstallDesktopShortcuts.
    {"Ctrl+Z", PLENTA_TEXT("Shortcuts", "Strg+Z"), ShortcutKind::Command, Command::Undo,
     PLENTA_TEXT("Shortcuts",
                 "die letzte Änderung der Datenbank rückgängig machen (zuerst das Getippte eines "
                 "Textfelds)")},
    {"F1", "F1", ShortcutKind::Command, Command::KeyHelp, PLENTA_TEXT("Shortcuts", "die Tastenhilfe zeigen")},
    {"Ctrl+I", PLENTA_TEXT("Shortcuts", "Strg+I"), ShortcutKind::Command, Command::Statistics,
     PLENTA_TEXT("Shortcuts", "die Statistik zeigen")},
    {"Ctrl+P", PLENTA_TEXT("Shortcuts", "Strg+P"), ShortcutKind::Command, Command::Report,
     PLENTA_TEXT("Shortcuts", "den Bericht für die Arztpraxis als PDF schreiben")},
    {"Ctrl+Q", PLENTA_TEXT("Shortcuts", "Strg+Q"), ShortcutKind::Command, Command::Exit,
     PLENTA_TEXT("Shortcuts", "das Programm beenden")},
    {"Ctrl++; Ctrl+Shift++; Ctrl+=", PLENTA_TEXT("Shortcuts", "Strg+Plus"), ShortcutKind::Zoom, +1,
     PLENTA_TEXT("Shortcuts", "größer zeigen")},
    {"Ctrl+-", PLENTA_TEXT("Shortcuts", "Strg+Minus"), ShortcutKind::Zoom, -1,
     PLENTA_TEXT("Shortcuts", "kleiner zeigen")},
    {"Ctrl+0", PLENTA_TEXT("Shortcuts", "Strg+0"), ShortcutKind::Zoom, 0,
     PLENTA_TEXT("Shortcuts", "zurück zur Größe des Handhelds (Zoom 1)")},
}};

} // namespace plenta
