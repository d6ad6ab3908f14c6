// SPDX-License-Identifier: GPL-3.0-or-later
// The picture decoder: a GIF decoded by Qt's GIF plugin, which obtains every byte through the caller's read
// function, into an opaque bitmap at the display's depth and no larger than 800 x 480.
#pragma once

#include <QImage>

#include <cstdint>

namespace plenta {

// Fills up to `size` bytes of `buffer` with the picture's next bytes and returns how many; 0 ends the
// picture.
using PictureReadFunction = std::uint32_t (*)(void *buffer, std::uint32_t size, std::intptr_t userValue);

struct PictureDecodeParams {
    PictureReadFunction readData = nullptr;
    // Handed to every call of readData: the open picture file's descriptor.
    std::intptr_t userValue = -1;
    // The display's depth: 16, 24 or 32 (anything else gives 32).
    int bitsPerPixel = 32;
};

// The largest bitmap the decoder hands out; a larger picture is scaled down to fit, keeping its shape.
inline constexpr int DECODED_MAX_WIDTH = 800;
inline constexpr int DECODED_MAX_HEIGHT = 480;

// The most memory the GIF reader may take for the decoded frame, at 4 bytes a pixel: pictures up to 64
// megapixels (8192 x 8192) decode, a larger one is refused before its pixels are allocated.
inline constexpr int DECODE_LIMIT_MIB = 256;

// Decodes synchronously, calling readData until it returns 0 or the picture is complete. Transparent pixels
// become white, as the picture shows over the erased window. A picture whose first image data is cut off,
// that is no GIF, or that needs more than DECODE_LIMIT_MIB to decode gives a null image.
QImage DecodePicture(const PictureDecodeParams &params);

} // namespace plenta
