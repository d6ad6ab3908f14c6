// Turns the hardware keys into posted commands and the Enter character into a focus step.
#include "KeyFilter.h"

#include "CommandEvent.h"

#include <CommandIds.h>
#include <EntryForm.h>

#include <QApplication>
#include <QKeyEvent>

namespace plenta {

namespace {

enum class HardKey { None, Action, EscapeButton };

// Which hold key a key stands for: the handheld's own F23/F24, or the desktop's Return/Enter and Escape.
HardKey HardKeyOf(int key) {
    switch (key) {
    case Qt::Key_F23:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return HardKey::Action;
    case Qt::Key_F24:
    case Qt::Key_Escape:
        return HardKey::EscapeButton;
    default:
        return HardKey::None;
    }
}

bool CarriesEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// While a modal box or a drop-down is open the keys belong to it, as the boxes run their own loops.
bool BoxOpen() {
    return QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr;
}

} // namespace

KeyFilter::KeyFilter(QWidget &mainWindow, EntryForm *form, QObject *parent)
    : QObject(parent)
    , mainWindow_(&mainWindow)
    , form_(form) {
    saveHold_.command = IDM_SAVE;
    deleteHold_.command = IDM_DELETE_DAY;
    for (Hold *hold : {&saveHold_, &deleteHold_}) {
        hold->timer.setSingleShot(true);
        hold->timer.setInterval(HOLD_PERIOD_MS);
        connect(&hold->timer, &QTimer::timeout, this, [this, hold] { HoldElapsed(*hold); });
    }
}

const KeyFilter::Hold *KeyFilter::HoldOf(int timerId) const {
    switch (timerId) {
    case TIMER_SAVE_HOLD:
        return &saveHold_;
    case TIMER_DELETE_HOLD:
        return &deleteHold_;
    default:
        return nullptr;
    }
}

bool KeyFilter::HoldRunning(int timerId) const {
    const Hold *hold = HoldOf(timerId);
    return hold != nullptr && hold->timer.isActive();
}

int KeyFilter::HoldRemainingMs(int timerId) const {
    const Hold *hold = HoldOf(timerId);
    return hold != nullptr ? hold->timer.remainingTime() : -1;
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

bool KeyFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    // The window system hands each key first to the window and then to its focus widget; act on the latter.
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (!watched->isWidgetType() || IsPropagation(watched, key)) {
        return false;
    }
    return event->type() == QEvent::KeyPress ? KeyPress(key) : KeyRelease(key);
}

bool KeyFilter::KeyPress(const QKeyEvent &key) {
    const HardKey hard = HardKeyOf(key.key());
    if (hard == HardKey::None) {
        return false;
    }
    // The repeats of a held key belong to its hold: they never start or restart it, never spin the focus
    // round, and never reach a box that the hold itself opened (a repeated Return would confirm "Eintrag
    // gespeichert!" before it could be read).
    if (key.isAutoRepeat()) {
        return true;
    }
    if (BoxOpen()) {
        return false;
    }
    const bool carriesCharacter = CarriesEnter(key.key()) || key.key() == Qt::Key_Escape;
    Hold &hold = hard == HardKey::Action ? saveHold_ : deleteHold_;
    hold.timer.start();
    if (CarriesEnter(key.key())) {
        CycleFocus();
    }
    return carriesCharacter;
}

bool KeyFilter::KeyRelease(const QKeyEvent &key) {
    const HardKey hard = HardKeyOf(key.key());
    if (hard == HardKey::None) {
        return false;
    }
    if (key.isAutoRepeat()) {
        return true; // the other half of a repeat, swallowed with it
    }
    // A release always stops its hold, a box open or not, so that a released key never fires afterwards.
    Hold &hold = hard == HardKey::Action ? saveHold_ : deleteHold_;
    const bool heldBriefly = hold.timer.isActive();
    hold.timer.stop();
    if (key.key() != Qt::Key_Escape || BoxOpen()) {
        return false;
    }
    // A short press of Escape is the escape character, which opens the About box; a long one was a delete.
    if (heldBriefly && mainWindow_ != nullptr) {
        PostCommand(*mainWindow_, IDM_ABOUT);
    }
    return true;
}

void KeyFilter::HoldElapsed(Hold &hold) {
    hold.timer.stop();
    // A tick that comes while a box is open belongs to a hold the box swallowed; it must not fire later.
    if (QApplication::activeModalWidget() != nullptr || mainWindow_ == nullptr) {
        return;
    }
    PostCommand(*mainWindow_, static_cast<std::uint32_t>(hold.command));
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
        control->setFocus(Qt::TabFocusReason);
    }
}

} // namespace plenta
