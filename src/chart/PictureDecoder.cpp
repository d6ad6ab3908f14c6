// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes the picture with Qt's GIF reader through the caller's read function; see PictureDecoder.h.
#include "chart/PictureDecoder.h"

#include "chart/PictureDevice.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageIOPlugin>
#include <QImageReader>
#include <QPainter>
#include <QPluginLoader>

#include <memory>

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

QImage ScaleToFit(const QImage &image) {
    if (image.width() <= DECODED_MAX_WIDTH && image.height() <= DECODED_MAX_HEIGHT) {
        return image;
    }
    // A long thin picture keeps at least one pixel across, or it would scale to nothing.
    const QSize size = image.size()
                           .scaled(DECODED_MAX_WIDTH, DECODED_MAX_HEIGHT, Qt::KeepAspectRatio)
                           .expandedTo(QSize(1, 1));
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

// Qt's GIF plugin, loaded from the first plugin folder that has it; null where none has. Loaded by its file
// name, because Qt's image reader, asked for "gif", first reads the metadata of every installed image plugin
// (nine on a usual desktop) to learn which claims the format.
QImageIOPlugin *GifPlugin() {
    static QImageIOPlugin *const plugin = [] {
        for (const QString &folder : QCoreApplication::libraryPaths()) {
            const QString file = folder + QStringLiteral("/imageformats/libqgif.so");
            if (QFileInfo::exists(file)) {
                // The loader keeps the plugin loaded for the rest of the process.
                QPluginLoader loader(file);
                if (auto *found = qobject_cast<QImageIOPlugin *>(loader.instance())) {
                    return found;
                }
            }
        }
        return static_cast<QImageIOPlugin *>(nullptr);
    }();
    return plugin;
}

QImage ReadGif(QIODevice &device) {
    QImage decoded;
    QImageIOPlugin *plugin = GifPlugin();
    if (plugin == nullptr) {
        QImageReader reader(&device, "gif");
        // Only the GIF reader is asked; guessing the format would load every image plugin there is.
        reader.setAutoDetectImageFormat(false);
        reader.read(&decoded);
        return decoded;
    }
    if ((plugin->capabilities(&device, "gif") & QImageIOPlugin::CanRead) != 0) {
        const std::unique_ptr<QImageIOHandler> handler(plugin->create(&device, "gif"));
        if (handler == nullptr || !handler->read(&decoded)) {
            return QImage();
        }
    }
    return decoded;
}

} // namespace

QImage DecodePicture(const PictureDecodeParams &params) {
    PictureDevice device(params.readData, params.userValue);
    device.open(QIODevice::ReadOnly);
    // Qt's default limit refuses a large but valid picture (6000 x 6000 needs 137 MiB as Qt's 32-bit
    // frame). The limit, which the plugin's reader obeys too, is raised to a cap for the decode alone: a
    // picture of up to 64 megapixels shows.
    const int defaultLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(DECODE_LIMIT_MIB);
    const QImage decoded = ReadGif(device);
    QImageReader::setAllocationLimit(defaultLimit);
    // A file cut off inside its image data decodes to its top and black below; that is no picture.
    if (decoded.isNull() || !device.Structure().FirstImageComplete()) {
        return QImage();
    }
    return OpaqueOnWhite(ScaleToFit(decoded), params.bitsPerPixel);
}

} // namespace plenta
