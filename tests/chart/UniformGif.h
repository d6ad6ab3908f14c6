// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a valid GIF of one colour at any size, LZW-compressed the way a common encoder does it, so that a
// test can make a 6000 x 6000 picture of a few kilobytes instead of checking one in.
#pragma once

#include <QByteArray>
#include <QRgb>

#include <cstdint>

namespace plenta::test {

inline QByteArray UniformGif(int width, int height, QRgb colour) {
    constexpr int MIN_CODE_SIZE = 2; // four colours, the least a GIF's LZW allows
    constexpr int CLEAR = 1 << MIN_CODE_SIZE;
    constexpr int END = CLEAR + 1;
    constexpr int LAST_CODE = 4095;
    QByteArray gif("GIF89a");
    const auto put16 = [&gif](int value) {
        gif.append(static_cast<char>(value & 0xFF));
        gif.append(static_cast<char>((value >> 8) & 0xFF));
    };
    put16(width);
    put16(height);
    gif.append("\x81\0\0", 3); // a global table of four colours; background 0, no aspect ratio
    for (int i = 0; i < 4; ++i) {
        const QRgb entry = i == 0 ? colour : qRgb(0, 0, 0);
        gif.append(static_cast<char>(qRed(entry)));
        gif.append(static_cast<char>(qGreen(entry)));
        gif.append(static_cast<char>(qBlue(entry)));
    }
    gif.append(',');
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    gif.append('\0');
    gif.append(static_cast<char>(MIN_CODE_SIZE));

    QByteArray data;
    std::uint32_t bits = 0;
    int bitCount = 0;
    int codeSize = MIN_CODE_SIZE + 1;
    int nextCode = END + 1;
    const auto output = [&](int code) {
        bits |= static_cast<std::uint32_t>(code) << bitCount;
        for (bitCount += codeSize; bitCount >= 8; bitCount -= 8, bits >>= 8) {
            data.append(static_cast<char>(bits & 0xFF));
        }
        if (nextCode >= (1 << codeSize) && code <= LAST_CODE) {
            ++codeSize;
        }
    };
    // With one colour the table only ever holds runs: after a clear the entries are runs of 2, 3, 4, ...
    // pixels, so a run of n >= 2 pixels is the code CLEAR + n and the longest known run is the entries + 1.
    const auto codeOf = [](std::int64_t run) {
        return run == 1 ? 0 : CLEAR + static_cast<int>(run);
    };
    output(CLEAR);
    std::int64_t run = 1;
    std::int64_t longest = 1;
    for (std::int64_t pixel = 1; pixel < std::int64_t{width} * height; ++pixel) {
        if (run < longest) {
            ++run;
            continue;
        }
        output(codeOf(run));
        if (nextCode >= LAST_CODE) {
            output(CLEAR);
            nextCode = END + 1;
            codeSize = MIN_CODE_SIZE + 1;
            longest = 1;
        } else {
            ++nextCode;
            ++longest;
        }
        run = 1;
    }
    output(codeOf(run));
    output(END);
    if (bitCount > 0) {
        data.append(static_cast<char>(bits & 0xFF));
    }
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype block = std::min<qsizetype>(255, data.size() - at);
        gif.append(static_cast<char>(block));
        gif.append(data.constData() + at, block);
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}

} // namespace plenta::test
