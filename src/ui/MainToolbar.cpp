// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar: seven image buttons cut from the toolbar strip, and two separators.
#include "ui/MainToolbar.h"

#include "ui/FromUtf8.h"
#include "ui/MarkButton.h"
#include "ui/ProgramImages.h"
#include "ui/ToolbarImageButton.h"
#include "ui/Zoom.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>

namespace plenta {

namespace {

// The 26-pixel image with a 2-pixel bevel on each side.
constexpr int BUTTON_SIZE = 30;
constexpr int SEPARATOR_WIDTH = 8;
constexpr int FIRST_BUTTON_X = 2;

QPixmap ImageOf(const QPixmap &strip, const ToolbarButton &entry) {
    return strip.copy(entry.image * TOOLBAR_IMAGE_SIZE, 0, TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE);
}

} // namespace

MainToolbar::MainToolbar(QWidget *parent)
    : QWidget(parent) {
    const QPixmap strip = ToolbarStrip();
    int x = FIRST_BUTTON_X;
    for (std::size_t i = 0; i < TOOLBAR_BUTTONS.size(); ++i) {
        const ToolbarButton &entry = TOOLBAR_BUTTONS[i];
        if (entry.style == ButtonStyle::Separator) {
            x += SEPARATOR_WIDTH;
            continue;
        }
        QToolButton *button =
            entry.style == ButtonStyle::Check ? new MarkButton(this) : new ToolbarImageButton(this);
        button->setGeometry(x, (TOOLBAR_HEIGHT - BUTTON_SIZE) / 2, BUTTON_SIZE, BUTTON_SIZE);
        button->setIcon(QIcon(ImageOf(strip, entry)));
        button->setIconSize(QSize(TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE));
        button->setAutoRaise(true);
        button->setCheckable(entry.style == ButtonStyle::Check);
        button->setToolTip(QCoreApplication::translate("Toolbar", entry.tip.data()));
        const Command command = entry.command;
        connect(button, &QToolButton::clicked, this, [this, command] { emit commandTriggered(command); });
        buttons_[i] = button;
        x += BUTTON_SIZE;
    }
    resize(TOOLBAR_WIDTH, TOOLBAR_HEIGHT);
}

QToolButton *MainToolbar::Button(Command command) const {
    for (std::size_t i = 0; i < TOOLBAR_BUTTONS.size(); ++i) {
        if (buttons_[i] != nullptr && TOOLBAR_BUTTONS[i].command == command) {
            return buttons_[i];
        }
    }
    return nullptr;
}

QSize MainToolbar::sizeHint() const {
    return QSize(TOOLBAR_WIDTH, TOOLBAR_HEIGHT) * zoom_;
}

void MainToolbar::SetZoom(int zoom) {
    const QPixmap strip = ToolbarStrip();
    const int imageSize = TOOLBAR_IMAGE_SIZE * zoom;
    for (std::size_t i = 0; i < TOOLBAR_BUTTONS.size(); ++i) {
        QToolButton *button = buttons_[i];
        if (button == nullptr) {
            continue;
        }
        const QRect unzoomed(button->x() / zoom_, button->y() / zoom_, BUTTON_SIZE, BUTTON_SIZE);
        button->setGeometry(Zoomed(unzoomed, zoom));
        const QPixmap image = ImageOf(strip, TOOLBAR_BUTTONS[i]);
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

void SetButtonChecked(MainToolbar *toolbar, Command command, bool checked) {
    QToolButton *button = toolbar != nullptr ? toolbar->Button(command) : nullptr;
    if (button != nullptr) {
        button->setChecked(checked);
    }
}

void SetButtonEnabled(MainToolbar *toolbar, Command command, bool enabled) {
    QToolButton *button = toolbar != nullptr ? toolbar->Button(command) : nullptr;
    if (button != nullptr) {
        button->setEnabled(enabled);
    }
}

MainToolbar *CreateMainToolbar(QWidget &mainWindow) {
    auto *toolbar = new MainToolbar(&mainWindow);
    toolbar->setGeometry(0, TOOLBAR_TOP, TOOLBAR_WIDTH, TOOLBAR_HEIGHT);
    toolbar->raise();
    toolbar->show();
    return toolbar;
}

} // namespace plenta
