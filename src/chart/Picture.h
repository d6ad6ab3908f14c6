// The picture strip's source: the GIF beside the executable decoded once at start-up, or the placeholder tile.
#pragma once

#include <QImage>
#include <QString>

#include <filesystem>

namespace plenta {

struct Picture {
    QImage PictureSurface;       // what the strip copies from, always at (0, 0)
    bool PictureDecoded = false; // the file was opened and handed to the decoder
    QString path;                // shown under the placeholder text
};

// Opens and decodes the picture once; a file that cannot be opened gives the placeholder tile.
Picture LoadPicture(const std::filesystem::path &picturePath);

// Drops the decoded pixels at exit.
void ReleasePicture(Picture &picture);

} // namespace plenta
