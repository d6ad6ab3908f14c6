// SPDX-License-Identifier: GPL-3.0-or-later
// Block reading with a carried-over partial line; a line longer than the buffer makes the buffer grow, up to
// the line bound.
#include "journal/LineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace plenta {

namespace {
constexpr std::size_t BLOCK_BYTES = 256 * 1024;
constexpr std::size_t MIN_BLOCK_BYTES = 4096;
constexpr std::string_view BARE_LF = "\n";

std::unique_ptr<char[]> AllocateBuffer(std::size_t capacity) {
    auto buffer = std::make_unique_for_overwrite<char[]>(capacity + LineReader::LOOKAHEAD_BYTES);
    std::memset(buffer.get() + capacity, 0, LineReader::LOOKAHEAD_BYTES);
    return buffer;
}
} // namespace

LineReader::LineReader(int fd, std::size_t sizeHint, std::size_t maxLineBytes)
    : fd_(fd)
    , capacity_(std::clamp<std::size_t>(sizeHint + 1, MIN_BLOCK_BYTES, BLOCK_BYTES))
    , maxLineBytes_(std::max<std::size_t>(maxLineBytes, 1)) {
    buffer_ = AllocateBuffer(capacity_);
    ClearLookahead();
}

void LineReader::ClearLookahead() {
    std::memset(buffer_.get() + end_, 0, LOOKAHEAD_BYTES);
}

bool LineReader::Fill() {
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity_) {
        // A line longer than the buffer (but within the bound): double it, so even a long line costs linear
        // time.
        auto larger = AllocateBuffer(capacity_ * 2);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.get() + end_, capacity_ - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            ClearLookahead();
            return true;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        failed_ = got < 0;
        eof_ = true;
        ClearLookahead();
        return false;
    }
}

bool LineReader::WasReadPast(std::string_view line) {
    return line.data() == BARE_LF.data();
}

bool LineReader::NextSlowly(std::string_view &line) {
    for (;;) {
        const char *start = buffer_.get() + begin_;
        const std::size_t available = end_ - begin_;
        if (const void *lf = std::memchr(start + searched_, '\n', available - searched_)) {
            const auto length = static_cast<std::size_t>(static_cast<const char *>(lf) - start) + 1;
            line = skipping_ || length > maxLineBytes_ ? BARE_LF : std::string_view(start, length);
            begin_ += length;
            searched_ = 0;
            skipping_ = false;
            return true;
        }
        searched_ = available;
        if (available > maxLineBytes_) {
            // Too long to be any record: forget what is held and look only for the line's end.
            skipping_ = true;
            begin_ = end_ = searched_ = 0;
        }
        if (eof_ || !Fill()) {
            if (end_ == begin_ || skipping_) {
                return false;
            }
            line = std::string_view(buffer_.get() + begin_, end_ - begin_);
            begin_ = end_;
            searched_ = 0;
            return true;
        }
    }
}

} // namespace plenta
