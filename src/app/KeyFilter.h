// SPDX-License-Identifier: GPL-3.0-or-later
// Sees every key event of the program before delivery and turns the hardware keys into commands: a held
// Action key (F23, or Return) saves, a held Escape key (F24, or Escape) deletes the day, a short Escape opens
// the About box, and Return moves the focus through the entry form. The commands are posted to the main
// window, never run here.
//
// X servers repeat a held key as a release and a press with one timestamp (Qt flags only some of these pairs
// as auto-repeat) or, with detectable auto-repeat, as presses alone. So a press of a key that is already down
// is a repeat, and a release is only taken as final once no press of the same key with its timestamp follows.
//
// A hold lives only while the program keeps the keyboard: when the main window loses it (another window, a
// box or a drop-down takes it, or the application is left) every hold stops and every key counts as up, since
// its release will go elsewhere.
#pragma once

#include "platform/HandheldKeys.h"
#include "ui/Command.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>

class QKeyEvent;
class QWidget;

namespace plenta {

class EntryForm;

class KeyFilter : public QObject {
    Q_OBJECT

public:
    // `holdPeriodMs`: how long Action or Escape is held before its command fires.
    KeyFilter(QWidget &mainWindow, EntryForm *form, int holdPeriodMs, QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Whether the hold of this button (Action: save, Escape: delete) is running.
    bool HoldRunning(HandheldButton button) const;
    // Milliseconds until that hold fires; -1 when it does not run.
    int HoldRemainingMs(HandheldButton button) const;

    // Moves the focus temperature -> comment -> date -> temperature; from anywhere else to the temperature.
    void CycleFocus();

private:
    struct Hold {
        Command command = Command::Save;
        QTimer timer;
    };

    // Who took a key's press: the main window, where it drives a hold, or a box or drop-down that used it up.
    enum class PressTaker { Window, Box };

    // What the filter knows of one key of BUTTON_KEYS.
    struct HeldKey {
        // Qt's code of the key.
        int key = 0;
        HandheldButton button = HandheldButton::Action;
        KeyCharacter character = KeyCharacter::None;
        bool down = false;
        PressTaker taker = PressTaker::Window;
        // The window system's time of the key's last event; 0 for synthetic events, which carry none.
        quint64 timestamp = 0;
        // A release that a press with the same timestamp may still turn into half of a repeat pair; what it
        // interrupted (the hold's time left, -1 for none) and whether it opens the About box once final.
        bool releasePending = false;
        int holdLeftMs = -1;
        bool opensAbout = false;
    };

    bool KeyPress(const QKeyEvent &key);
    bool KeyRelease(const QKeyEvent &key);
    void NoteShortcutOverride(const QKeyEvent &key);
    bool TakeBoxAtOverride(const QKeyEvent &key);
    void ConfirmReleases();
    void HoldElapsed(Hold &hold);
    bool IsPropagation(QObject *watched, const QKeyEvent &event);
    const Hold &HoldOf(HandheldButton button) const;
    Hold &HoldOf(HandheldButton button);
    HeldKey *HeldKeyOf(int key);
    static bool IsRepeat(const HeldKey &held, const QKeyEvent &press);
    void FinishRelease(HeldKey &held);
    bool LosesKeyboard(const QObject *watched, const QEvent &event) const;
    void ForgetKeys();

    QPointer<QWidget> mainWindow_;
    QPointer<EntryForm> form_;
    Hold saveHold_;
    Hold deleteHold_;
    std::array<HeldKey, BUTTON_KEYS.size()> heldKeys_;
    // Waits for the press that would make a release half of a repeat pair.
    QTimer releaseGrace_;
    // The last key event offered, to tell Qt's offers of one event to the parents apart from new events.
    struct Offer {
        const QEvent *event = nullptr;
        int type = 0;
        int key = 0;
        quint64 timestamp = 0;
        QPointer<QObject> receiver;
    };
    Offer lastOffer_;
    // Qt asks the focus widget about shortcuts before it delivers a press, and an open drop-down closes on
    // that question; whether a box or drop-down was open then is remembered for the press that follows.
    struct Override {
        const QEvent *event = nullptr;
        int key = 0;
        quint64 timestamp = 0;
        bool boxOpen = false;
    };
    Override lastOverride_;
};

} // namespace plenta
