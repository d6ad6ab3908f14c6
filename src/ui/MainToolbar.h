// The 240 x 34 strip of mark, save, delete and About buttons below the entry form. It only reports taps; what
// a command does is the dispatcher's business.
#pragma once

#include "ToolbarButtons.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QToolButton;

namespace plenta {

class MainToolbar : public QWidget {
    Q_OBJECT

public:
    explicit MainToolbar(QWidget *parent = nullptr);

    // The state byte of the button with this command (checked 1, enabled 4); 0 for a command it does not
    // hold.
    std::uint8_t State(int command) const;
    void SetState(int command, std::uint8_t state);

    QToolButton *Button(int command) const;
    QSize sizeHint() const override;

    // Shows the toolbar `zoom` times larger, every image pixel a zoom x zoom block; zoom 1 is the handheld's.
    void SetZoom(int zoom);

signals:
    // A tap on an enabled button; a check button has already flipped its own checked bit.
    void commandTriggered(int command);

protected:
    // Taps between the buttons belong to the toolbar, not to the main window below it.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int IndexOf(int command) const;

    std::array<QToolButton *, TOOLBAR_BUTTONS.size()> buttons_{};
    std::array<std::uint8_t, TOOLBAR_BUTTONS.size()> otherBits_{}; // state bits Qt has no property for
    int zoom_ = 1;
};

enum class BitChange { Clear, Set };

// Reads a button's state, changes only the one bit and writes it back; a missing toolbar is left alone.
void ChangeButtonBit(MainToolbar *toolbar, int command, std::uint8_t bit, BitChange change);

// Creates the toolbar at y = layoutOffset, 240 x 34, with its tooltips, and advances layoutOffset by 34.
MainToolbar *CreateMainToolbar(QWidget &mainWindow, int &layoutOffset);

} // namespace plenta
