// SPDX-License-Identifier: GPL-3.0-or-later
// Follows a GIF's block structure as its bytes stream past, without decoding anything, to tell whether the
// first image's data arrived whole. Qt's reader hands out a picture cut off inside its image data as if it
// were complete (its top decoded, black below); this is how the decoder notices.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plenta {

class GifStructure {
public:
    // The next bytes of the file, in order.
    void Feed(const char *bytes, std::size_t count);

    // True once the first image's data sub-blocks have ended with their terminator.
    bool FirstImageComplete() const { return state_ == State::Complete; }

private:
    enum class State {
        // Signature and logical screen descriptor, 13 bytes
        Header,
        // A colour table or a sub-block's data
        Skip,
        // '!' extension, ',' image, ';' trailer
        Introducer,
        // One byte, then sub-blocks
        ExtensionLabel,
        // A sub-block's length, 0 ends the blocks
        BlockSize,
        // 9 bytes, the last one packed
        ImageDescriptor,
        // The LZW minimum code size, then the image's sub-blocks
        CodeSize,
        Complete,
        // The file ended its structure (trailer, unknown block) before any image data was whole
        Broken,
    };

    void Step(std::uint8_t byte);
    static std::uint32_t ColourTableBytes(std::uint8_t packed);

    State state_ = State::Header;
    State afterSkip_ = State::Introducer;
    // How far into the header or the image descriptor
    std::uint32_t position_ = 0;
    std::uint32_t skip_ = 0;
    // The sub-blocks being followed are image data, not an extension's.
    bool inImage_ = false;
};

} // namespace plenta
