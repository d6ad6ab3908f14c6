// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop keyboard shortcuts, made from the shortcut table.
#include "app/DesktopShortcuts.h"

#include "app/CommandEvent.h"
#include "app/MainWindow.h"
#include "app/WindowZoom.h"

#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"
#include "ui/ShortcutTable.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
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

// The form's text fields (the comment and the date picker's) take Ctrl+Z for their own undo whether or not
// they have typing to undo; once a field has none, the key undoes the journal's latest change instead, as the
// shortcut does everywhere else in the window. Installed on each control and on the field inside it, since
// either may be the one the key is delivered to.
class FieldUndoFirst : public QObject {
public:
    explicit FieldUndoFirst(MainWindow &window)
        : QObject(&window)
        , window_(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent *>(event)->keyCombination() != QKeyCombination(Qt::CTRL, Qt::Key_Z)) {
            return false;
        }
        const auto *field = qobject_cast<QLineEdit *>(watched);
        if (field == nullptr) {
            field = watched->findChild<QLineEdit *>();
        }
        if (field != nullptr && field->isUndoAvailable()) {
            return false;
        }
        // Accepted, so that the control the field sits in does not get the key a second time. A held Ctrl+Z
        // undoes one change, as the shortcut (no auto-repeat) does: the key's repeats after the field's own
        // typing is undone never reach the journal.
        event->accept();
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat() && !window_.IsDestroyed()) {
            PostCommand(window_, Command::Undo);
        }
        return true;
    }

private:
    MainWindow &window_;
};

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
    if (EntryForm *form = window.Form()) {
        auto *filter = new FieldUndoFirst(window);
        for (QWidget *control :
             {static_cast<QWidget *>(form->CommentBox()), static_cast<QWidget *>(form->DatePicker())}) {
            control->installEventFilter(filter);
            for (QLineEdit *field : control->findChildren<QLineEdit *>()) {
                field->installEventFilter(filter);
            }
        }
    }
}

} // namespace plenta
