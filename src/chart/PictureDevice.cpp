// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder's byte source; see PictureDevice.h.
#include "chart/PictureDevice.h"

#include <algorithm>
#include <limits>

namespace plenta {

PictureDevice::PictureDevice(PictureReadFunction readFunction, std::intptr_t userValue, QObject *parent)
    : QIODevice(parent)
    , read_(readFunction)
    , userValue_(userValue) {}

qint64 PictureDevice::readData(char *data, qint64 maxSize) {
    if (maxSize <= 0) {
        return 0;
    }
    if (finished_ || read_ == nullptr) {
        return -1;
    }
    constexpr qint64 LARGEST_READ = std::numeric_limits<std::uint32_t>::max();
    const auto wanted = static_cast<std::uint32_t>(std::min(maxSize, LARGEST_READ));
    // A read function that claims more than it was asked for is held to what fits.
    const std::uint32_t got = std::min(read_(data, wanted, userValue_), wanted);
    if (got == 0) {
        // The read function's 0 means that no more data follows; the reader sees the end of the stream.
        finished_ = true;
        return -1;
    }
    structure_.Feed(data, got);
    return got;
}

qint64 PictureDevice::writeData(const char *, qint64) {
    return -1;
}

} // namespace plenta
