// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop keyboard shortcuts, made from the shortcut table.
#include "app/DesktopShortcuts.h"

#include "app/CommandEvent.h"
#include "app/MainWindow.h"
#include "app/WindowZoom.h"

#include "ui/MainToolbar.h"
#include "ui/ShortcutTable.h"

#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QToolButton>

namespace plenta {

namespace {

void Trigger(MainWindow &window, const DesktopShortcut &shortcut) {
    if (window.IsDestroyed()) {
        return;
    }
    switch (shortcut.kind) {
    case ShortcutKind::ToolbarButton:
        // A click of the button itself: a disabled button does nothing, a check button flips as on a tap.
        if (MainToolbar *toolbar = window.Toolbar()) {
            if (QToolButton *button = toolbar->Button(std::get<Command>(shortcut.argument))) {
                button->click();
            }
        }
        break;
    case ShortcutKind::Command:
        PostCommand(window, std::get<Command>(shortcut.argument));
        break;
    case ShortcutKind::Zoom:
        StepZoom(window, std::get<int>(shortcut.argument));
        break;
    }
}

} // namespace

void InstallDesktopShortcuts(MainWindow &window) {
    for (const DesktopShortcut &entry : DESKTOP_SHORTCUTS) {
        auto *shortcut = new QShortcut(&window);
        shortcut->setKeys(QKeySequence::listFromString(
            QString::fromLatin1(entry.keys.data(), static_cast<qsizetype>(entry.keys.size()))));
        // The window's context reaches every child, but not a box or a drop-down, which are windows of
        // their own.
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        QObject::connect(shortcut, &QShortcut::activated, &window,
                         [&window, &entry] { Trigger(window, entry); });
    }
}

} // namespace plenta
