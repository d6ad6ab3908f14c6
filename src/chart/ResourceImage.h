// The program's own PNG images, read without asking every image plugin whether it knows the format.
#pragma once

#include <QImage>
#include <QString>

namespace plenta {

// A PNG (the embedded icons, the toolbar strip and the placeholder tile) by Qt's built-in PNG reader; a
// null image when it cannot be read. Qt's usual way, which guesses the format, loads every installed image
// plugin and the libraries behind them at start-up.
QImage LoadPng(const QString &path);

} // namespace plenta
