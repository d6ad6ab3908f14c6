// Decodes the picture with Qt's GIF reader through the record's read function; see PictureDecoder.h.
#include "PictureDecoder.h"

#include "PictureDevice.h"

#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace plenta {

namespace {

QImage::Format FormatForDepth(int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 16:
        return QImage::Format_RGB16;
    case 24:
        return QImage::Format_RGB888;
    default:
        return QImage::Format_RGB32;
    }
}

QImage ScaleToFit(const QImage &image, const PictureDecodeParams &params) {
    QSize size = image.size();
    if (params.scalePercent > 0 && params.scalePercent != 100) {
        size = QSize(std::max(1, size.width() * params.scalePercent / 100),
                     std::max(1, size.height() * params.scalePercent / 100));
    }
    if (params.maxWidth > 0 && params.maxHeight > 0 &&
        (size.width() > params.maxWidth || size.height() > params.maxHeight)) {
        size.scale(params.maxWidth, params.maxHeight, Qt::KeepAspectRatio);
    }
    if (size == image.size()) {
        return image;
    }
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Transparent pixels show the window's white, as the picture would over the erased window.
QImage OpaqueOnWhite(const QImage &image, int bitsPerPixel) {
    QImage opaque(image.size(), FormatForDepth(bitsPerPixel));
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

} // namespace

void DecodePicture(const PictureDecodeParams &params) {
    if (params.outputBitmap == nullptr) {
        return;
    }
    *params.outputBitmap = QImage();
    PictureDevice device(params);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, "gif");
    // Only the GIF reader is asked; guessing the format would load every image plugin there is.
    reader.setAutoDetectImageFormat(false);
    // Qt's default limit refuses a large but valid picture (6000 x 6000 needs 137 MiB as Qt's 32-bit
    // frame). The limit is raised to a cap for the decode alone: a picture of up to 64 megapixels shows.
    const int defaultLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(DECODE_LIMIT_MIB);
    const QImage decoded = reader.read();
    QImageReader::setAllocationLimit(defaultLimit);
    if (params.progress != nullptr) {
        params.progress(nullptr, DecodeProgress::Complete, params.userValue);
    }
    // A file cut off inside its image data decodes to its top and black below; that is no picture.
    if (decoded.isNull() || !device.Structure().FirstImageComplete()) {
        return;
    }
    *params.outputBitmap = OpaqueOnWhite(ScaleToFit(decoded, params), params.bitsPerPixel);
}

} // namespace plenta
