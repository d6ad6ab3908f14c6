// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the screen of $DISPLAY, or a WxH+X+Y part of it, as a PNG file (or a PPM, by the name's suffix, for a
// script to read): the end-to-end tests' eye, and the tool that takes the user guide's screenshot, with
// nothing beyond Qt.
#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: plenta-e2e-grab OUT.png [WxH+X+Y]\n");
        return 2;
    }
    QRect part(0, 0, -1, -1);
    if (argc == 3) {
        static const QRegularExpression GEOMETRY(QStringLiteral("^(\\d+)x(\\d+)\\+(\\d+)\\+(\\d+)$"));
        const QRegularExpressionMatch match = GEOMETRY.match(QString::fromLocal8Bit(argv[2]));
        if (!match.hasMatch()) {
            std::fprintf(stderr, "plenta-e2e-grab: the part is WxH+X+Y, e.g. 240x294+0+0\n");
            return 2;
        }
        part = QRect(match.captured(3).toInt(), match.captured(4).toInt(), match.captured(1).toInt(),
                     match.captured(2).toInt());
    }
    // The screen to grab is an X server's, whatever platform the caller's environment names.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || !screen->grabWindow(0, part.x(), part.y(), part.width(), part.height())
                                  .save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "plenta-e2e-grab: no screenshot\n");
        return 1;
    }
    return 0;
}
