// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up baseline: the least a Qt Widgets program does to show one 240 x 294 window, ending after its
// first paint.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

class FirstPaintWindow final : public QWidget {
public:
    explicit FirstPaintWindow(QWidget *parent = nullptr)
        : QWidget(parent) {
        setFixedSize(240, 294);
    }

protected:
    void paintEvent(QPaintEvent *event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        if (!painted_) {
            painted_ = true;
            // Queued, so the paint finishes and reaches the screen before the loop ends.
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    FirstPaintWindow window;
    window.show();
    return QApplication::exec();
}
