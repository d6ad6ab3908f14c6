// SPDX-License-Identifier: GPL-3.0-or-later
// The program's embedded images, decoded without Qt's image reader, hold the pixels that reader gives them.
#include "ui/ProgramImages.h"
#include "chart/ResourceImage.h"

#include <QColorSpace>
#include <QImageReader>

#include <gtest/gtest.h>

namespace plenta {
namespace {

// Pixels only: Qt's reader also notes the file's colour space, which drawing does not use.
QImage Pixels(const QImage &image) {
    QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    pixels.setColorSpace(QColorSpace());
    return pixels;
}

TEST(ProgramImages, TheEmbeddedImagesDecodeAsQtReadsThem) {
    const struct {
        QString path;
        QImage ours;
    } cases[] = {
        {QStringLiteral(":/plenta/toolbar.png"), ToolbarStrip().toImage()},
        {QStringLiteral(":/plenta/plenta-32.png"), ProgramIcon().toImage()},
        {QStringLiteral(":/plenta/plenta-16.png"), LoadPng(QStringLiteral(":/plenta/plenta-16.png"))},
    };
    for (const auto &c : cases) {
        const QImage qts = QImageReader(c.path, "png").read();
        ASSERT_FALSE(qts.isNull()) << c.path.toStdString();
        EXPECT_EQ(Pixels(c.ours), Pixels(qts)) << c.path.toStdString();
    }
}

} // namespace
} // namespace plenta
