// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only sequential QIODevice whose bytes come only from the decoder's read function. It lets Qt's GIF
// reader decode without ever touching the file itself, and follows the GIF's block structure on the way.
#pragma once

#include "chart/GifStructure.h"
#include "chart/PictureDecoder.h"

#include <QIODevice>

namespace plenta {

class PictureDevice : public QIODevice {
    Q_OBJECT

public:
    PictureDevice(PictureReadFunction readFunction, std::intptr_t userValue, QObject *parent = nullptr);

    bool isSequential() const override { return true; }

    // The block structure of every byte handed out so far.
    const GifStructure &Structure() const { return structure_; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    PictureReadFunction read_;
    std::intptr_t userValue_;
    // The read function has said that no more data follows; it is not asked again.
    bool finished_ = false;
    GifStructure structure_;
};

} // namespace plenta
