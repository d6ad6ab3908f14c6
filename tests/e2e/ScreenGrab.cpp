// Saves the whole screen of $DISPLAY as a PNG file: the end-to-end tests' eye, with nothing beyond Qt.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: plenta-e2e-grab OUT.png\n");
        return 2;
    }
    // The screen to grab is an X server's, whatever platform the caller's environment names.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "plenta-e2e-grab: no screenshot\n");
        return 1;
    }
    return 0;
}
