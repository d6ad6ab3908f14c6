// SPDX-License-Identifier: GPL-3.0-or-later
// The one top-level window: chart painting, command delivery, activation, double tap and destruction.
#include "app/MainWindow.h"

#include "app/CommandEvent.h"
#include "app/InputPanel.h"

#include "chart/ChartPainter.h"
#include "ui/ChartRepaint.h"
#include "ui/EntryForm.h"
#include "ui/MainToolbar.h"
#include "ui/Zoom.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QPalette>

namespace plenta {

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent) {
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::AttachChildren(EntryForm *form, MainToolbar *toolbar) {
    form_ = form;
    toolbar_ = toolbar;
    dispatcher_ = std::make_unique<CommandDispatcher>(
        CommandDispatcher::Window{*this, form, toolbar, [this](Command command) { SendCommand(command); },
                                  [this] {
                                      DestroyWindow();
                                  }},
        state_);
    if (toolbar != nullptr) {
        connect(toolbar, &MainToolbar::commandTriggered, this,
                [this](Command command) { SendCommand(command); });
    }
    if (form != nullptr) {
        connect(form, &EntryForm::pickedDateChanged, this, [this] {
            if (dispatcher_ != nullptr && !destroyed_) {
                dispatcher_->OnPickedDateChanged();
            }
        });
    }
}

void MainWindow::SendCommand(Command command) {
    if (destroyed_ || dispatcher_ == nullptr) {
        return;
    }
    dispatcher_->OnCommand(command);
    // The exit command may have destroyed the window just now; then there is nothing left to paint.
    if (!destroyed_) {
        PaintChart(*this, state_.layout);
    }
}

void MainWindow::DestroyWindow() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    // Boxes owned by the window go with it, as owned pop-ups do on the handheld.
    for (QDialog *box : findChildren<QDialog *>()) {
        if (box->isVisible()) {
            box->done(QDialog::Rejected);
        }
    }
    hide();
    ReleasePicture(state_.picture);
    QCoreApplication::exit(0);
}

void MainWindow::FitToVisibleDesktop() {
    const QWidget *foreground = QApplication::activeWindow();
    if (foreground == nullptr || foreground == this) {
        // Fixed: a window manager then neither maximises nor tiles it, which would leave the content in a
        // corner of white.
        setFixedSize(VISIBLE_DESKTOP * CurrentZoom());
    }
}

void MainWindow::ActivateMainWindow() {
    FitToVisibleDesktop();
    raise();
    RaiseBoxes();
}

void MainWindow::RaiseBoxes() {
    // Without a window manager nothing keeps a box above its owner, and a box beneath the window it blocks
    // looks like a program that hangs. The boxes follow the window up, each box's own boxes after it.
    for (QDialog *box : findChildren<QDialog *>()) {
        if (box->isVisible()) {
            box->raise();
        }
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != this) {
        modal->raise();
        modal->activateWindow();
    }
}

void MainWindow::BringForward() {
    if (destroyed_) {
        return;
    }
    showNormal();
    raise();
    activateWindow();
    RaiseBoxes();
}

bool MainWindow::event(QEvent *event) {
    if (event->type() == CommandEvent::EventType()) {
        SendCommand(static_cast<CommandEvent *>(event)->PostedCommand());
        return true;
    }
    if (event->type() == QEvent::WindowActivate && !destroyed_) {
        ActivateMainWindow();
    }
    return QWidget::event(event);
}

void MainWindow::paintEvent(QPaintEvent * /*event*/) {
    if (destroyed_) {
        return;
    }
    const ChartInputs inputs{state_.scan.table, state_.scan.stats, state_.picture};
    if (state_.layout.zoom == 1) {
        QPainter painter(this);
        PaintChart(painter, state_.layout, inputs);
    } else {
        // Zoomed, the chart is painted at the handheld's size and every pixel drawn as a block, unsmoothed,
        // so that it shows exactly the handheld's pixels.
        QImage unzoomed(VISIBLE_DESKTOP, QImage::Format_RGB32);
        unzoomed.fill(Qt::white);
        QPainter imagePainter(&unzoomed);
        PaintChart(imagePainter, state_.layout, inputs);
        imagePainter.end();
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(QPoint(0, 0), unzoomed.size() * state_.layout.zoom), unzoomed);
    }
    if (!painted_) {
        painted_ = true;
        emit firstPainted();
        if (afterFirstPaint_ == AfterFirstPaint::Exit) {
            // Posted, so the paint completes first; the exit then takes the road of every other exit.
            PostCommand(*this, Command::Exit);
        }
    }
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
    if (dispatcher_ != nullptr && !destroyed_) {
        dispatcher_->ShowStatistics();
    }
}

void MainWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    DestroyWindow();
}

} // namespace plenta
