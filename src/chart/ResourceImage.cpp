// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded PNGs through libpng's simplified reader; see ResourceImage.h.
#include "chart/ResourceImage.h"

#include <QBuffer>
#include <QImageReader>
#include <QResource>
#include <QSysInfo>

#include <png.h>

namespace plenta {

namespace {

// Larger than any image the program embeds; a resource claiming more is no image of ours.
constexpr png_uint_32 LARGEST_SIDE = 4096;

QImage ReadByQt(QByteArrayView bytes) {
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QImage LoadPng(const QString &path) {
    const QResource resource(path);
    // Without copying where the resource is stored uncompressed, as PNGs are.
    return DecodePng(resource.uncompressedData());
}

QImage DecodePng(QByteArrayView bytes) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (bytes.isEmpty() ||
        png_image_begin_read_from_memory(&png, bytes.data(), static_cast<std::size_t>(bytes.size())) == 0) {
        return QImage();
    }
    // libpng would convert 16-bit channels and colour spaces other than sRGB on the way to 8-bit sRGB, where
    // Qt's reader keeps the stored values; such a PNG, which the program does not embed, goes to Qt's reader.
    if ((png.format & PNG_FORMAT_FLAG_LINEAR) != 0 || (png.flags & PNG_IMAGE_FLAG_COLORSPACE_NOT_sRGB) != 0) {
        png_image_free(&png);
        return ReadByQt(bytes);
    }
    const bool transparent = (png.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    // 8-bit channels in the byte order of a 32-bit 0xAARRGGBB word, which is how QImage keeps both formats;
    // without transparency every alpha byte is 0xFF, as RGB32 wants it.
    png.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image;
    if (png.width <= LARGEST_SIDE && png.height <= LARGEST_SIDE) {
        image = QImage(static_cast<int>(png.width), static_cast<int>(png.height),
                       transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
    if (image.isNull()) {
        png_image_free(&png);
        return QImage();
    }
    // The files' gamma of 1/2.2 counts as sRGB, so the values come out as stored, as Qt's reader gives them.
    // Finishing frees the reader whether it succeeds or not.
    if (png_image_finish_read(&png, nullptr, image.bits(), static_cast<png_int_32>(image.bytesPerLine()),
                              nullptr) == 0) {
        return QImage();
    }
    return image;
}

} // namespace plenta
