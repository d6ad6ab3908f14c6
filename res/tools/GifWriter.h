// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a 16-colour image as a GIF file, which Qt can read but not write. Every pixel is stored as its own
// code, with a clear code often enough that the code width never grows: larger than real compression, but a
// few lines that any GIF reader decodes.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>

namespace gif {

class BitPacker {
public:
    void Put(int code, int width) {
        bits_ |= static_cast<unsigned>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.append(static_cast<char>(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray Finish() {
        if (count_ > 0) {
            bytes_.append(static_cast<char>(bits_ & 0xFF));
        }
        return bytes_;
    }

private:
    QByteArray bytes_;
    unsigned bits_ = 0;
    int count_ = 0;
};

inline void Word(QByteArray &out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

// `image` is Format_Indexed8 with at most 16 colours.
inline bool WriteGif(const QImage &image, const QString &path) {
    constexpr int MIN_CODE_SIZE = 4;
    constexpr int CLEAR = 1 << MIN_CODE_SIZE;
    constexpr int END = CLEAR + 1;
    constexpr int WIDTH = MIN_CODE_SIZE + 1;
    // After a clear, each code but the first adds a table entry; the width would grow at entry 32.
    constexpr int CODES_PER_CLEAR = CLEAR - 3;
    QByteArray out("GIF89a");
    Word(out, image.width());
    Word(out, image.height());
    out.append(static_cast<char>(0xF3)); // global colour table of 16 entries
    out.append('\0');
    out.append('\0');
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < 16; ++i) {
        const QRgb colour = i < table.size() ? table[i] : 0;
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }
    out.append(',');
    Word(out, 0);
    Word(out, 0);
    Word(out, image.width());
    Word(out, image.height());
    out.append('\0');
    out.append(static_cast<char>(MIN_CODE_SIZE));
    BitPacker packer;
    int sinceClear = CODES_PER_CLEAR;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (sinceClear == CODES_PER_CLEAR) {
                packer.Put(CLEAR, WIDTH);
                sinceClear = 0;
            }
            packer.Put(image.pixelIndex(x, y) & 0x0F, WIDTH);
            ++sinceClear;
        }
    }
    packer.Put(END, WIDTH);
    const QByteArray data = packer.Finish();
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(static_cast<char>(block.size()));
        out.append(block);
    }
    out.append('\0');
    out.append(';');
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

} // namespace gif
