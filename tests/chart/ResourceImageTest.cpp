// SPDX-License-Identifier: GPL-3.0-or-later
// PNGs decoded by libpng, held to what Qt's own reader makes of the same bytes.
#include "chart/ResourceImage.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

namespace plenta {
namespace {

QImage QtRead(const QByteArray &bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    return QImageReader(&buffer, "png").read();
}

QByteArray PngOf(const QImage &image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return buffer.data();
}

// Pixels only: Qt's reader also notes the file's colour space, which drawing does not use.
QImage Pixels(const QImage &image) {
    QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    pixels.setColorSpace(QColorSpace());
    return pixels;
}

void ExpectSamePixels(const QImage &ours, const QImage &qts, const QString &name) {
    ASSERT_FALSE(qts.isNull()) << name.toStdString();
    EXPECT_EQ(ours.hasAlphaChannel(), qts.hasAlphaChannel()) << name.toStdString();
    const QImage a = Pixels(ours);
    const QImage b = Pixels(qts);
    EXPECT_EQ(a, b) << name.toStdString();
}

TEST(ResourceImage, ThePlaceholderTileDecodesAsQtReadsIt) {
    const QString path = QStringLiteral(":/tile/picture-tile.png");
    ExpectSamePixels(LoadPng(path), QImageReader(path, "png").read(), path);
}

TEST(ResourceImage, EveryKindOfPngDecodesAsQtReadsIt) {
    QImage gradient(37, 11, QImage::Format_ARGB32);
    for (int y = 0; y < gradient.height(); ++y) {
        for (int x = 0; x < gradient.width(); ++x) {
            gradient.setPixel(x, y, qRgba(x * 7, y * 23, (x * y) % 256, (x * 13 + y * 5) % 256));
        }
    }
    QImage palette = gradient.convertToFormat(QImage::Format_Indexed8);
    const struct {
        const char *name;
        QImage image;
    } cases[] = {
        {"with alpha", gradient},
        {"opaque", gradient.convertToFormat(QImage::Format_RGB32)},
        {"palette with transparent entries", palette},
        {"grey", gradient.convertToFormat(QImage::Format_Grayscale8)},
        {"16 bits a channel", gradient.convertToFormat(QImage::Format_RGBA64)},
        {"one bit", gradient.convertToFormat(QImage::Format_Mono)},
    };
    for (const auto &c : cases) {
        const QByteArray png = PngOf(c.image);
        ExpectSamePixels(DecodePng(png), QtRead(png), QString::fromLatin1(c.name));
    }
}

TEST(ResourceImage, WhatIsNoWholePngGivesNoImage) {
    const QByteArray png = PngOf(QImage(16, 16, QImage::Format_RGB32));
    for (const QByteArray &bytes : {QByteArray(), QByteArray("GIF89a not a png"), png.left(png.size() / 2)}) {
        EXPECT_TRUE(DecodePng(bytes).isNull()) << bytes.size();
    }
    EXPECT_TRUE(LoadPng(QStringLiteral(":/plenta/no-such.png")).isNull());
}

} // namespace
} // namespace plenta
