// A reader with its format fixed and detection off goes straight to the built-in PNG handler.
#include "chart/ResourceImage.h"

#include <QImageReader>

namespace plenta {

QImage LoadPng(const QString &path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace plenta
