// The picture decoder: a GIF decoded by Qt's image reader, which obtains every byte through the caller's read
// function, into a bitmap at the display's depth and no larger than the record allows.
#pragma once

#include "Picture.h"

#include <cstddef>
#include <cstdint>

namespace plenta {

using PictureReadFunction = std::uint32_t (*)(void *buffer, std::uint32_t size, std::intptr_t userValue);
using PictureProgressFunction = void (*)(void *renderObject, DecodeProgress progress,
                                         std::intptr_t userValue);

// Everything one decode needs, in the order the handheld's decoder took it (a 60-byte record there).
struct PictureDecodeParams {
    std::uint32_t recordSize = 60;
    std::byte *workBuffer = nullptr; // staging for each read; zeroed by the caller
    std::uint32_t workBufferCapacity = 0;
    std::uint32_t bytesInBuffer = 0;      // bytes the caller already placed in the work buffer
    QImage *outputBitmap = nullptr;       // receives the picture; left null when it does not decode
    void **renderObject = nullptr;        // no progressive rendering
    int bitsPerPixel = 32;                // the display's depth: 16, 24 or 32
    std::intptr_t userValue = -1;         // passed to both functions: the open file's descriptor
    const void *paletteContext = nullptr; // unused: Qt maps palettes itself
    int scalePercent = 100;
    int maxWidth = 800;
    int maxHeight = 480;
    PictureReadFunction readData = nullptr;
    PictureProgressFunction progress = nullptr;
    std::int32_t transparentColour =
        -1; // -1: the picture's own transparent colour, shown as the white window
};

// The most memory Qt's reader may take for the decoded frame, at 4 bytes a pixel: pictures up to 64
// megapixels (8192 x 8192) decode, a larger one is refused before its pixels are allocated.
inline constexpr int DECODE_LIMIT_MIB = 256;

// Decodes synchronously; reads until the read function returns 0 or the picture is complete. On success
// *outputBitmap holds an opaque image of at most maxWidth x maxHeight pixels. A picture whose first image
// data is cut off, or that needs more than DECODE_LIMIT_MIB to decode, leaves it null.
void DecodePicture(const PictureDecodeParams &params);

} // namespace plenta
