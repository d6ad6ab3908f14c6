// The decoder's byte source; see PictureDevice.h.
#include "PictureDevice.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace plenta {

PictureDevice::PictureDevice(const PictureDecodeParams &params, QObject *parent)
    : QIODevice(parent)
    , params_(params)
    , pending_(params.workBuffer != nullptr ? std::min(params.bytesInBuffer, params.workBufferCapacity) : 0) {
}

qint64 PictureDevice::readData(char *data, qint64 maxSize) {
    if (maxSize <= 0) {
        return 0;
    }
    if (pending_ > 0) {
        const std::uint32_t offset = std::min(params_.bytesInBuffer, params_.workBufferCapacity) - pending_;
        const auto count = static_cast<std::uint32_t>(std::min<qint64>(pending_, maxSize));
        std::memcpy(data, params_.workBuffer + offset, count);
        pending_ -= count;
        structure_.Feed(data, count);
        return count;
    }
    if (finished_ || params_.readData == nullptr) {
        return -1;
    }
    constexpr qint64 largestRead = std::numeric_limits<std::uint32_t>::max();
    std::uint32_t got = 0;
    if (params_.workBuffer != nullptr && params_.workBufferCapacity > 0) {
        const auto wanted = static_cast<std::uint32_t>(std::min<qint64>(maxSize, params_.workBufferCapacity));
        got = std::min(params_.readData(params_.workBuffer, wanted, params_.userValue), wanted);
        std::memcpy(data, params_.workBuffer, got);
    } else {
        const auto wanted = static_cast<std::uint32_t>(std::min(maxSize, largestRead));
        got = std::min(params_.readData(data, wanted, params_.userValue), wanted);
    }
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
