// A read-only sequential QIODevice whose bytes come only from the decode record's read function, staged
// through the record's work buffer. It lets Qt's image reader decode without ever touching the file itself.
#pragma once

#include "GifStructure.h"
#include "PictureDecoder.h"

#include <QIODevice>

namespace plenta {

class PictureDevice : public QIODevice {
    Q_OBJECT

public:
    explicit PictureDevice(const PictureDecodeParams &params, QObject *parent = nullptr);

    bool isSequential() const override { return true; }

    // The block structure of every byte handed out so far.
    const GifStructure &Structure() const { return structure_; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    const PictureDecodeParams &params_;
    std::uint32_t pending_; // bytes the caller left in the work buffer, handed out first
    bool finished_ = false;
    GifStructure structure_;
};

} // namespace plenta
