// The toolbar: seven image buttons from the strip IDB_TOOLBAR and two separators.
#include "MainToolbar.h"

#include "MarkButton.h"
#include "Zoom.h"

#include <ResourceImage.h>

#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>

namespace plenta {

namespace {

constexpr int BUTTON_SIZE = 30; // the 26-pixel image with a 2-pixel bevel on each side
constexpr int SEPARATOR_WIDTH = 8;
constexpr int FIRST_BUTTON_X = 2;
constexpr std::uint8_t QT_OWNED_BITS = BUTTON_CHECKED | BUTTON_ENABLED;

} // namespace

MainToolbar::MainToolbar(QWidget *parent)
    : QWidget(parent) {
    const QPixmap strip = QPixmap::fromImage(LoadPng(QStringLiteral(":/plenta/toolbar.png")));
    int x = FIRST_BUTTON_X;
    std::size_t tip = 0;
    for (std::size_t i = 0; i < TOOLBAR_BUTTONS.size(); ++i) {
        const ToolbarButton &entry = TOOLBAR_BUTTONS[i];
        if (entry.style == ButtonStyle::Separator) {
            x += SEPARATOR_WIDTH;
            continue;
        }
        QToolButton *button =
            entry.style == ButtonStyle::Check ? new MarkButton(this) : new QToolButton(this);
        button->setGeometry(x, (TOOLBAR_HEIGHT - BUTTON_SIZE) / 2, BUTTON_SIZE, BUTTON_SIZE);
        button->setIcon(
            QIcon(strip.copy(entry.image * TOOLBAR_IMAGE_SIZE, 0, TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE)));
        button->setIconSize(QSize(TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus); // the keyboard focus cycles through the form only
        button->setCheckable(entry.style == ButtonStyle::Check);
        button->setToolTip(
            QString::fromUtf8(TOOLBAR_TIPS[tip].data(), static_cast<qsizetype>(TOOLBAR_TIPS[tip].size())));
        ++tip;
        const int command = entry.command;
        connect(button, &QToolButton::clicked, this, [this, command] { emit commandTriggered(command); });
        buttons_[i] = button;
        x += BUTTON_SIZE;
        SetState(entry.command, entry.initialState);
    }
    resize(TOOLBAR_WIDTH, TOOLBAR_HEIGHT);
}

int MainToolbar::IndexOf(int command) const {
    for (std::size_t i = 0; i < TOOLBAR_BUTTONS.size(); ++i) {
        if (buttons_[i] != nullptr && TOOLBAR_BUTTONS[i].command == command) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QToolButton *MainToolbar::Button(int command) const {
    const int index = IndexOf(command);
    return index < 0 ? nullptr : buttons_[static_cast<std::size_t>(index)];
}

std::uint8_t MainToolbar::State(int command) const {
    const int index = IndexOf(command);
    if (index < 0) {
        return 0;
    }
    const QToolButton *button = buttons_[static_cast<std::size_t>(index)];
    std::uint8_t state = otherBits_[static_cast<std::size_t>(index)];
    if (button->isChecked()) {
        state |= BUTTON_CHECKED;
    }
    if (button->isEnabled()) {
        state |= BUTTON_ENABLED;
    }
    return state;
}

void MainToolbar::SetState(int command, std::uint8_t state) {
    const int index = IndexOf(command);
    if (index < 0) {
        return;
    }
    QToolButton *button = buttons_[static_cast<std::size_t>(index)];
    otherBits_[static_cast<std::size_t>(index)] = state & static_cast<std::uint8_t>(~QT_OWNED_BITS);
    // A push button has no checked state to keep; only check buttons store the bit.
    button->setChecked(button->isCheckable() && (state & BUTTON_CHECKED) != 0);
    button->setEnabled((state & BUTTON_ENABLED) != 0);
}

QSize MainToolbar::sizeHint() const {
    return QSize(TOOLBAR_WIDTH, TOOLBAR_HEIGHT) * zoom_;
}

void MainToolbar::SetZoom(int zoom) {
    const QPixmap strip = QPixmap::fromImage(LoadPng(QStringLiteral(":/plenta/toolbar.png")));
    const int imageSize = TOOLBAR_IMAGE_SIZE * zoom;
    for (std::size_t i = 0; i < TOOLBAR_BUTTONS.size(); ++i) {
        QToolButton *button = buttons_[i];
        if (button == nullptr) {
            continue;
        }
        const QRect unzoomed(button->x() / zoom_, button->y() / zoom_, BUTTON_SIZE, BUTTON_SIZE);
        button->setGeometry(Zoomed(unzoomed, zoom));
        const QPixmap image = strip.copy(TOOLBAR_BUTTONS[i].image * TOOLBAR_IMAGE_SIZE, 0, TOOLBAR_IMAGE_SIZE,
                                         TOOLBAR_IMAGE_SIZE);
        button->setIcon(
            QIcon(image.scaled(imageSize, imageSize, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
        button->setIconSize(QSize(imageSize, imageSize));
    }
    setGeometry(Zoomed(QRect(x() / zoom_, y() / zoom_, TOOLBAR_WIDTH, TOOLBAR_HEIGHT), zoom));
    zoom_ = zoom;
}

void MainToolbar::mousePressEvent(QMouseEvent *event) {
    event->accept();
}

void MainToolbar::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
}

void ChangeButtonBit(MainToolbar *toolbar, int command, std::uint8_t bit, BitChange change) {
    if (toolbar == nullptr) {
        return;
    }
    const std::uint8_t state = toolbar->State(command);
    toolbar->SetState(command, change == BitChange::Set ? static_cast<std::uint8_t>(state | bit)
                                                        : static_cast<std::uint8_t>(state & ~bit));
}

MainToolbar *CreateMainToolbar(QWidget &mainWindow, int &layoutOffset) {
    auto *toolbar = new MainToolbar(&mainWindow);
    toolbar->setGeometry(0, layoutOffset, TOOLBAR_WIDTH, TOOLBAR_HEIGHT);
    toolbar->raise();
    toolbar->show();
    layoutOffset += TOOLBAR_HEIGHT;
    return toolbar;
}

} // namespace plenta
