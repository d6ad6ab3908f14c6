// Sees every key event of the program before delivery and turns the hardware keys into commands: a held
// Action key (F23, or Return) posts IDM_SAVE, a held Escape key (F24, or Escape) posts IDM_DELETE_DAY, a
// short Escape posts IDM_ABOUT, and Return moves the focus through the entry form. The commands are posted to
// the main window, never run here.
//
// X servers repeat a held key as a release and a press with one timestamp (Qt flags only some of these pairs
// as auto-repeat) or, with detectable auto-repeat, as presses alone. So a press of a key that is already down
// is a repeat, and a release is only taken as final once no press of the same key with its timestamp follows.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <cstdint>

class QKeyEvent;
class QWidget;

namespace plenta {

class EntryForm;

inline constexpr int HOLD_PERIOD_MS = 500;
inline constexpr int TIMER_SAVE_HOLD = 4001;
inline constexpr int TIMER_DELETE_HOLD = 4000;
inline constexpr int VK_ACTION = 134;        // F23 on the handheld
inline constexpr int VK_ESCAPE_BUTTON = 135; // F24 on the handheld
inline constexpr char16_t CHAR_ENTER = 13;
inline constexpr char16_t CHAR_ESCAPE = 27;

class KeyFilter : public QObject {
    Q_OBJECT

public:
    KeyFilter(QWidget &mainWindow, EntryForm *form, QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Whether the hold timer with this identifier (TIMER_SAVE_HOLD, TIMER_DELETE_HOLD) is running.
    bool HoldRunning(int timerId) const;
    // Milliseconds until that hold fires; -1 when it does not run.
    int HoldRemainingMs(int timerId) const;

    // Moves the focus temperature -> comment -> date -> temperature; from anywhere else to the temperature.
    void CycleFocus();

private:
    struct Hold {
        int command = 0;
        QTimer timer;
    };

    // Who took a key's press: the main window, where it drives a hold, or a box or drop-down that used it up.
    enum class PressTaker { Window, Box };

    // What the filter knows of one hold key (F23, F24, Return, Enter, Escape).
    struct HeldKey {
        int key = 0;
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
    const Hold *HoldOf(int timerId) const;
    Hold &HoldFor(int key);
    HeldKey *HeldKeyOf(int key);
    static bool IsRepeat(const HeldKey &held, const QKeyEvent &press);
    void FinishRelease(HeldKey &held);

    QPointer<QWidget> mainWindow_;
    QPointer<EntryForm> form_;
    Hold saveHold_;
    Hold deleteHold_;
    std::array<HeldKey, 5> heldKeys_;
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
