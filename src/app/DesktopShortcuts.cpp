// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop keyboard shortcuts, made from the shortcut table.
#include "app/DesktopShortcuts.h"

#include "app/CommandEvent.h"
#include "app/MainWindow.h"
#include "app/ShortcutTable.h"
#include "app/WindowZoom.h"

#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"

#include <QComboBox>
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

// The comment field takes Ctrl+Z for its own undo whether or not it has typing to undo; once it has none,
// the key undoes the journal's latest change instead, as the shortcut does everywhere else in the window.
class CommentUndoFirst : public QObject {
public:
    CommentUndoFirst(MainWindow &window, QComboBox &comment)
        : QObject(&window)
        , window_(window)
        , comment_(comment) {}

    bool eventFilter(QObject * /*watched*/, QEvent *event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent *>(event)->keyCombination() != QKeyCombination(Qt::CTRL, Qt::Key_Z)) {
            return false;
        }
        const QLineEdit *field = comment_.lineEdit();
        if (field == nullptr || field->isUndoAvailable()) {
            return false;
        }
        // Accepted, so that the combo box the field sits in does not get the key a second time.
        event->accept();
        if (!window_.IsDestroyed()) {
            PostCommand(window_, Command::Undo);
        }
        return true;
    }

private:
    MainWindow &window_;
    QComboBox &comment_;
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
    if (QComboBox *comment = window.Form() != nullptr ? window.Form()->CommentBox() : nullptr) {
        auto *filter = new CommentUndoFirst(window, *comment);
        comment->installEventFilter(filter);
        if (comment->lineEdit() != nullptr) {
            comment->lineEdit()->installEventFilter(filter);
        }
    }
}

} // namespace plenta
