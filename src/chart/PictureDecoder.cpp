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
    const QImage decoded = reader.read();
    if (params.progress != nullptr) {
        params.progress(nullptr, DecodeProgress::Complete, params.userValue);
    }
    if (decoded.isNull()) {
        return;
    }
    *params.outputBitmap = OpaqueOnWhite(ScaleToFit(decoded, params), params.bitsPerPixel);
}

} // namespace plenta
