// SPDX-License-Identifier: GPL-3.0-or-later
// The picture strip's source: the GIF beside the executable decoded once at start-up, or the placeholder
// tile.
#pragma once

#include "chart/WindowBands.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <filesystem>

namespace plenta {

inline constexpr int PICTURE_STRIP_WIDTH = WINDOW_WIDTH;
inline constexpr int PICTURE_STRIP_HEIGHT = 90;
inline constexpr int PICTURE_TILE_WIDTH = 7;

struct Picture {
    // What the strip copies from, always at (0, 0), in the display's pixel format: the picture's top-left
    // 240 x 90 pixels on white (white beyond a smaller picture), or the 7 x 90 placeholder tile.
    QImage surface;
    // The decoder's output at its full size (at most 800 x 480), or the placeholder tile.
    QImage bitmap;
    // The surface holds a decoded picture. A file that opens but does not decode leaves this false, so the
    // strip shows the placeholder and the path instead of an empty strip.
    bool decoded = false;
    // Where the picture was looked for; the placeholder text names it.
    QString path;
};

// Opens and decodes the picture once; a file that cannot be opened or decoded gives the placeholder tile.
Picture LoadPicture(const std::filesystem::path &picturePath);

// Drops the decoded pixels at exit: the surface first, then the bitmap.
void ReleasePicture(Picture &picture);

// The placeholder tile from the embedded resources (7 x 90, opaque).
QImage LoadPictureTile();

// Hands the decoder up to `size` more bytes of the picture file whose descriptor is `userValue`; 0 when there
// are no more, when the read fails, or for the invalid descriptor -1.
std::uint32_t ReadPictureData(void *buffer, std::uint32_t size, std::intptr_t userValue);

} // namespace plenta
