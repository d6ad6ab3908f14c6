// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and releasing the strip's picture, and the read function the decoder pulls the file through.
#include "chart/Picture.h"

#include "chart/PictureDecoder.h"
#include "chart/ResourceImage.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <unistd.h>

namespace plenta {

namespace {

constexpr int DEFAULT_DEPTH = 32;

int DisplayDepth() {
    const QScreen *screen = qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr;
    return screen != nullptr ? screen->depth() : DEFAULT_DEPTH;
}

void UsePlaceholder(Picture &picture) {
    picture.bitmap = LoadPictureTile();
    picture.surface = picture.bitmap;
    picture.decoded = false;
}

// Only the top-left 240 x 90 pixels are ever shown; a smaller picture gets white beyond its edges.
QImage StripSurface(const QImage &bitmap) {
    QImage surface(PICTURE_STRIP_WIDTH, PICTURE_STRIP_HEIGHT, bitmap.format());
    surface.fill(Qt::white);
    QPainter painter(&surface);
    painter.drawImage(0, 0, bitmap);
    return surface;
}

} // namespace

QImage LoadPictureTile() {
    return LoadPng(QStringLiteral(":/tile/picture-tile.png")).convertToFormat(QImage::Format_RGB32);
}

Picture LoadPicture(const std::filesystem::path &picturePath) {
    Picture picture;
    picture.path = QString::fromStdString(picturePath.string());
    // Non-blocking, so that a pipe put where the picture belongs cannot stall start-up.
    const int file = ::open(picturePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file < 0) {
        UsePlaceholder(picture);
        return picture;
    }
    const QImage bitmap =
        DecodePicture({.readData = ReadPictureData, .userValue = file, .bitsPerPixel = DisplayDepth()});
    ::close(file);
    if (bitmap.isNull()) {
        UsePlaceholder(picture);
        return picture;
    }
    picture.bitmap = bitmap;
    picture.surface = StripSurface(bitmap);
    picture.decoded = true;
    return picture;
}

void ReleasePicture(Picture &picture) {
    picture.surface = QImage();
    picture.bitmap = QImage();
    picture.decoded = false;
}

std::uint32_t ReadPictureData(void *buffer, std::uint32_t size, std::intptr_t userValue) {
    if (userValue < 0 || userValue > INT_MAX) {
        return 0;
    }
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(userValue), buffer, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return got < 0 ? 0 : static_cast<std::uint32_t>(got);
    }
}

} // namespace plenta
