// SPDX-License-Identifier: GPL-3.0-or-later
// The GIF block walk; see GifStructure.h.
#include "chart/GifStructure.h"

namespace plenta {

namespace {

constexpr std::uint32_t HEADER_BYTES = 13;
constexpr std::uint32_t HEADER_PACKED = 10;
constexpr std::uint32_t DESCRIPTOR_BYTES = 9;
constexpr std::uint8_t HAS_COLOUR_TABLE = 0x80;

} // namespace

std::uint32_t GifStructure::ColourTableBytes(std::uint8_t packed) {
    return (packed & HAS_COLOUR_TABLE) != 0 ? 3u << ((packed & 7u) + 1u) : 0u;
}

void GifStructure::Feed(const char *bytes, std::size_t count) {
    for (std::size_t i = 0; i < count && state_ != State::Complete && state_ != State::Broken; ++i) {
        if (state_ == State::Skip && skip_ > 1 && count - i > 1) {
            // Sub-block data and colour tables are skipped in one step, not byte by byte.
            const std::size_t jump = skip_ - 1 < count - i - 1 ? skip_ - 1 : count - i - 1;
            skip_ -= static_cast<std::uint32_t>(jump);
            i += jump;
        }
        Step(static_cast<std::uint8_t>(bytes[i]));
    }
}

void GifStructure::Step(std::uint8_t byte) {
    switch (state_) {
    case State::Header:
        if (++position_ == HEADER_PACKED + 1) {
            skip_ = ColourTableBytes(byte);
        }
        if (position_ == HEADER_BYTES) {
            state_ = skip_ > 0 ? State::Skip : State::Introducer;
            afterSkip_ = State::Introducer;
        }
        return;
    case State::Skip:
        if (--skip_ == 0) {
            state_ = afterSkip_;
        }
        return;
    case State::Introducer:
        state_ = byte == '!' ? State::ExtensionLabel : byte == ',' ? State::ImageDescriptor : State::Broken;
        position_ = 0;
        return;
    case State::ExtensionLabel:
        inImage_ = false;
        state_ = State::BlockSize;
        return;
    case State::ImageDescriptor:
        if (++position_ == DESCRIPTOR_BYTES) {
            skip_ = ColourTableBytes(byte);
            afterSkip_ = State::CodeSize;
            state_ = skip_ > 0 ? State::Skip : State::CodeSize;
        }
        return;
    case State::CodeSize:
        inImage_ = true;
        state_ = State::BlockSize;
        return;
    case State::BlockSize:
        if (byte == 0) {
            state_ = inImage_ ? State::Complete : State::Introducer;
            return;
        }
        skip_ = byte;
        afterSkip_ = State::BlockSize;
        state_ = State::Skip;
        return;
    case State::Complete:
    case State::Broken:
        return;
    }
}

} // namespace plenta
