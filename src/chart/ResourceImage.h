// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own PNG images, read without Qt's image reader.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace plenta {

// A PNG embedded with the resource system (the icons, the toolbar strip, the placeholder tile) decoded by
// libpng straight from the embedded bytes: RGB32 when it has no transparency, ARGB32 when it has; a null
// image when it cannot be read. Qt's image reader, even with the format fixed, first reads the metadata of
// every installed image plugin to learn whether one of them claims PNG, which at start-up costs more than
// all the decoding.
QImage LoadPng(const QString &path);

// The same for PNG bytes anywhere in memory.
QImage DecodePng(QByteArrayView bytes);

} // namespace plenta
