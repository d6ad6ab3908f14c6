// SPDX-License-Identifier: GPL-3.0-or-later
// Hands out the lines of an open file as views into a large read buffer, so a scan makes one system call per
// block instead of one per byte and allocates nothing per line.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace plenta {

class LineReader {
public:
    // `sizeHint` (the file's size) keeps the buffer small for a small journal, so it costs no more to set up
    // than the journal takes to read. A line longer than `maxLineBytes` (its LF included) is read past
    // without being kept, so the buffer stays bounded whatever the file holds.
    LineReader(int fd, std::size_t sizeHint,
               std::size_t maxLineBytes = std::numeric_limits<std::size_t>::max());

    // The next line with its LF, or at the end the bytes after the last LF (without one). A line beyond the
    // bound comes out as its bare LF, so the caller still sees a line there (one that holds nothing); bytes
    // beyond the bound after the last LF are dropped. False when nothing is left or a read failed; a view
    // stays valid only until the next call.
    bool Next(std::string_view &line) {
        // Nearly every call finds its line whole in the buffer; only the end of a block, a line beyond the
        // bound and the end of the file take the long road.
        if (!skipping_) {
            const char *start = buffer_.get() + begin_;
            const std::size_t available = end_ - begin_;
#if defined(__SSE2__)
            // Nearly every line is shorter than 32 bytes: its LF is found in one window of that many bytes,
            // without a call. The LOOKAHEAD_BYTES after the data are kept zero, so a window that reaches past
            // the data finds no LF there.
            const __m128i lfs = _mm_set1_epi8('\n');
            const auto low = static_cast<std::uint32_t>(_mm_movemask_epi8(
                _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(start)), lfs)));
            const auto high = static_cast<std::uint32_t>(_mm_movemask_epi8(
                _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(start + 16)), lfs)));
            if (const std::uint32_t found = low | high << 16; found != 0) {
                const auto length = static_cast<std::size_t>(std::countr_zero(found)) + 1;
                if (length <= maxLineBytes_) {
                    line = std::string_view(start, length);
                    begin_ += length;
                    return true;
                }
            }
#endif
            const void *lf = std::memchr(start, '\n', available);
            if (lf != nullptr) {
                const auto length = static_cast<std::size_t>(static_cast<const char *>(lf) - start) + 1;
                if (length <= maxLineBytes_) {
                    line = std::string_view(start, length);
                    begin_ += length;
                    return true;
                }
            }
        }
        return NextSlowly(line);
    }

    // Whether `line`, as Next handed it out, stands for a line beyond the bound that was read past.
    static bool WasReadPast(std::string_view line);

    // True when the loop ended on a read error rather than at the end of the file.
    bool Failed() const {
        return failed_;
    }

    // Every line handed out from the buffer (all but a line beyond the bound) may be read this many bytes
    // from its first byte on, past its end: the buffer has them to spare.
    static constexpr std::size_t LOOKAHEAD_BYTES = 32;

private:
    bool NextSlowly(std::string_view &line);
    bool Fill();
    void ClearLookahead();

    int fd_;
    // Not zeroed: every byte handed out was read first. LOOKAHEAD_BYTES more after capacity_, and the
    // LOOKAHEAD_BYTES after end_ are zero.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t maxLineBytes_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t searched_ = 0; // bytes from begin_ already known to hold no LF
    bool skipping_ = false;    // inside a line beyond the bound whose bytes were dropped
    bool eof_ = false;
    bool failed_ = false;
};

} // namespace plenta
