// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the hardware keys into posted commands and the Enter character into a focus step.
#include "app/KeyFilter.h"

#include "app/CommandEvent.h"

#include "ui/EntryForm.h"
#include <DialogTemplates.h>

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace plenta {

namespace {

// How long a release waits for the press that would make it half of a repeat pair. The server sends both
// together; the wait only covers Qt reading them in two turns.
constexpr int RELEASE_GRACE_MS = 100;
// A key seen down for this long without any event of its own was released where the program could not see it
// (a release queued for a box that its press closed goes with the box). Longer than the slowest usual first
// repeat, which comes after the repeat delay (660 ms by default, at most 2 s in desktop settings).
constexpr quint64 STALE_KEY_MS = 2500;

// Qt's code of a key by its portable name; 0 for a name Qt does not know.
int QtKeyNamed(std::string_view name) {
    const QKeySequence sequence = QKeySequence::fromString(
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())), QKeySequence::PortableText);
    return sequence.isEmpty() ? 0 : sequence[0].key();
}

// While a modal box or a drop-down is open the keys belong to it, as the boxes run their own loops.
bool BoxOpen() {
    return QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr;
}

} // namespace

KeyFilter::KeyFilter(QWidget &mainWindow, EntryForm *form, int holdPeriodMs, QObject *parent)
    : QObject(parent)
    , mainWindow_(&mainWindow)
    , form_(form) {
    saveHold_.command = Command::Save;
    deleteHold_.command = Command::DeleteDay;
    for (Hold *hold : {&saveHold_, &deleteHold_}) {
        hold->timer.setSingleShot(true);
        hold->timer.setInterval(holdPeriodMs);
        connect(&hold->timer, &QTimer::timeout, this, [this, hold] { HoldElapsed(*hold); });
    }
    for (std::size_t i = 0; i < BUTTON_KEYS.size(); ++i) {
        heldKeys_[i].key = QtKeyNamed(BUTTON_KEYS[i].name);
        heldKeys_[i].button = BUTTON_KEYS[i].button;
        heldKeys_[i].character = BUTTON_KEYS[i].character;
    }
    releaseGrace_.setSingleShot(true);
    releaseGrace_.setInterval(RELEASE_GRACE_MS);
    connect(&releaseGrace_, &QTimer::timeout, this, &KeyFilter::ConfirmReleases);
}

const KeyFilter::Hold &KeyFilter::HoldOf(HandheldButton button) const {
    return button == HandheldButton::Action ? saveHold_ : deleteHold_;
}

KeyFilter::Hold &KeyFilter::HoldOf(HandheldButton button) {
    return button == HandheldButton::Action ? saveHold_ : deleteHold_;
}

bool KeyFilter::HoldRunning(HandheldButton button) const {
    return HoldOf(button).timer.isActive();
}

int KeyFilter::HoldRemainingMs(HandheldButton button) const {
    return HoldOf(button).timer.remainingTime();
}

bool KeyFilter::IsPropagation(QObject *watched, const QKeyEvent &event) {
    // Qt offers an unaccepted key event to each parent in turn, and each offer passes the filter again. An
    // offer of the same event to the parent of the last receiver is such a repeat; a new event to the same
    // receiver never is, even if it reuses the address.
    const auto *last = qobject_cast<const QWidget *>(lastOffer_.receiver.data());
    const bool repeat = &event == lastOffer_.event && event.type() == lastOffer_.type &&
                        event.key() == lastOffer_.key && event.timestamp() == lastOffer_.timestamp &&
                        last != nullptr && last->parentWidget() == watched;
    lastOffer_ = Offer{&event, event.type(), event.key(), event.timestamp(), watched};
    return repeat;
}

bool KeyFilter::LosesKeyboard(const QObject *watched, const QEvent &event) const {
    switch (event.type()) {
    case QEvent::WindowDeactivate:
        // Sent when another program, or a box of this one, becomes the active window.
        return watched == mainWindow_;
    case QEvent::Show:
        // A drop-down takes the keyboard without deactivating the window.
        return watched->isWidgetType() && static_cast<const QWidget *>(watched)->isWindow() &&
               static_cast<const QWidget *>(watched)->windowType() == Qt::Popup;
    default:
        return false;
    }
}

void KeyFilter::ForgetKeys() {
    // The releases of keys down now go to whoever has the keyboard; here they count as released, but
    // without the Escape character, which the program never saw.
    saveHold_.timer.stop();
    deleteHold_.timer.stop();
    for (HeldKey &held : heldKeys_) {
        held.down = false;
        held.releasePending = false;
        held.holdLeftMs = -1;
        held.opensAbout = false;
    }
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (LosesKeyboard(watched, *event)) {
        ForgetKeys();
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) {
        return false;
    }
    // The window system hands each key first to the window and then to its focus widget; act on the latter.
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (!watched->isWidgetType()) {
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        NoteShortcutOverride(key);
        return false;
    }
    if (IsPropagation(watched, key)) {
        return false;
    }
    // The rocker moves the focus in boxes; a focus that the keyboard moved shows its frame.
    if (type == QEvent::KeyPress && (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down)) {
        static_cast<QWidget *>(watched)->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    }
    return event->type() == QEvent::KeyPress ? KeyPress(key) : KeyRelease(key);
}

KeyFilter::HeldKey *KeyFilter::HeldKeyOf(int key) {
    for (HeldKey &held : heldKeys_) {
        if (held.key == key && key != 0) {
            return &held;
        }
    }
    return nullptr;
}

bool KeyFilter::IsRepeat(const HeldKey &held, const QKeyEvent &press) {
    if (press.isAutoRepeat()) {
        return true;
    }
    const quint64 time = press.timestamp();
    if (held.releasePending) {
        return time != 0 && time == held.timestamp;
    }
    if (!held.down) {
        return false;
    }
    // A key whose release went to another program stays down here; a press long after its last event is new.
    return time == 0 || held.timestamp == 0 || time - held.timestamp < STALE_KEY_MS;
}

void KeyFilter::NoteShortcutOverride(const QKeyEvent &key) {
    if (HeldKeyOf(key.key()) == nullptr) {
        return;
    }
    // The question goes to the focus widget and then to its parents; a drop-down may close on the first.
    const bool sameEvent = &key == lastOverride_.event && key.key() == lastOverride_.key &&
                           key.timestamp() == lastOverride_.timestamp;
    if (!sameEvent) {
        lastOverride_ = Override{&key, key.key(), key.timestamp(), false};
    }
    lastOverride_.boxOpen = lastOverride_.boxOpen || BoxOpen();
}

bool KeyFilter::TakeBoxAtOverride(const QKeyEvent &key) {
    const bool open = lastOverride_.event != nullptr && lastOverride_.key == key.key() &&
                      lastOverride_.timestamp == key.timestamp() && lastOverride_.boxOpen;
    lastOverride_ = Override{};
    return open;
}

bool KeyFilter::KeyPress(const QKeyEvent &key) {
    HeldKey *held = HeldKeyOf(key.key());
    if (held == nullptr) {
        return false;
    }
    const bool boxAtOverride = TakeBoxAtOverride(key);
    // The repeats of a held key belong to its hold: they never start, restart or stop it, never spin the
    // focus round, and never reach a box, not even one the hold itself opened (a repeated Return would
    // confirm "Eintrag gespeichert!" before it could be read).
    if (IsRepeat(*held, key)) {
        // The release was half of a repeat pair; the hold goes on where it was.
        if (held->releasePending && held->holdLeftMs >= 0) {
            HoldOf(held->button).timer.start(held->holdLeftMs);
        }
        // A pair puts the key back down; a flagged repeat alone says nothing about a press this filter saw.
        held->down = held->down || held->releasePending;
        held->releasePending = false;
        held->timestamp = key.timestamp();
        return true;
    }
    if (held->releasePending) {
        FinishRelease(*held);
    }
    held->down = true;
    held->timestamp = key.timestamp();
    held->taker = PressTaker::Box;
    if (BoxOpen()) {
        return false;
    }
    // A drop-down that closed on this very press has used it up; the window must not act on it too.
    if (boxAtOverride) {
        return true;
    }
    held->taker = PressTaker::Window;
    HoldOf(held->button).timer.start();
    if (held->character == KeyCharacter::Enter) {
        CycleFocus();
        return true;
    }
    return held->character == KeyCharacter::Escape;
}

bool KeyFilter::KeyRelease(const QKeyEvent &key) {
    HeldKey *held = HeldKeyOf(key.key());
    if (held == nullptr) {
        return false;
    }
    // The other half of a repeat, swallowed with it.
    if (key.isAutoRepeat()) {
        return true;
    }
    if (held->releasePending) {
        FinishRelease(*held);
    }
    // A release always stops its hold, a box open or not, so that a released key never fires afterwards.
    Hold &hold = HoldOf(held->button);
    const bool windowKey = held->down && held->taker == PressTaker::Window;
    held->holdLeftMs = windowKey && hold.timer.isActive() ? hold.timer.remainingTime() : -1;
    hold.timer.stop();
    // A short press of Escape is the escape character, which opens the About box; a long one was a delete.
    const bool escape = held->character == KeyCharacter::Escape;
    held->opensAbout = escape && held->holdLeftMs >= 0 && !BoxOpen();
    held->down = false;
    held->timestamp = key.timestamp();
    held->releasePending = true;
    // A synthetic release carries no time, so no press can pair with it.
    if (key.timestamp() == 0) {
        FinishRelease(*held);
    } else {
        releaseGrace_.start();
    }
    return escape && !BoxOpen();
}

void KeyFilter::FinishRelease(HeldKey &held) {
    held.releasePending = false;
    if (held.opensAbout && QApplication::activeModalWidget() == nullptr && mainWindow_ != nullptr) {
        PostCommand(*mainWindow_, Command::About);
    }
    held.opensAbout = false;
}

void KeyFilter::ConfirmReleases() {
    for (HeldKey &held : heldKeys_) {
        if (held.releasePending) {
            FinishRelease(held);
        }
    }
}

void KeyFilter::HoldElapsed(Hold &hold) {
    hold.timer.stop();
    // A tick that comes while a box is open belongs to a hold the box swallowed; it must not fire later.
    if (QApplication::activeModalWidget() != nullptr || mainWindow_ == nullptr) {
        return;
    }
    PostCommand(*mainWindow_, hold.command);
}

void KeyFilter::CycleFocus() {
    if (form_ == nullptr) {
        return;
    }
    QWidget *focus = QApplication::focusWidget();
    if (focus == nullptr && mainWindow_ != nullptr) {
        focus = mainWindow_->focusWidget();
    }
    int next = IDC_TEMPERATURE;
    switch (form_->ControlIdOf(focus)) {
    case IDC_TEMPERATURE:
        next = IDC_COMMENT;
        break;
    case IDC_COMMENT:
        next = IDC_DATE;
        break;
    default:
        break;
    }
    if (QWidget *control = form_->Control(next)) {
        // Qt shows the focus frame only after a focus change by Tab; this step is the keyboard's too.
        control->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        control->setFocus(Qt::TabFocusReason);
    }
}

} // namespace plenta
