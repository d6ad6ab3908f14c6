// Sees every key event of the program before delivery and turns the hardware keys into commands: a held
// Action key (F23, or Return) posts IDM_SAVE, a held Escape key (F24, or Escape) posts IDM_DELETE_DAY, a
// short Escape posts IDM_ABOUT, and Return moves the focus through the entry form. The commands are posted to
// the main window, never run here.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

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

    bool KeyPress(const QKeyEvent &key);
    bool KeyRelease(const QKeyEvent &key);
    void HoldElapsed(Hold &hold);
    bool IsPropagation(QObject *watched, const QKeyEvent &event);
    const Hold *HoldOf(int timerId) const;

    QPointer<QWidget> mainWindow_;
    QPointer<EntryForm> form_;
    Hold saveHold_;
    Hold deleteHold_;
    // The last key event offered, to tell Qt's offers of one event to the parents apart from new events.
    struct Offer {
        const QEvent *event = nullptr;
        int type = 0;
        int key = 0;
        quint64 timestamp = 0;
        QPointer<QObject> receiver;
    };
    Offer lastOffer_;
};

} // namespace plenta
