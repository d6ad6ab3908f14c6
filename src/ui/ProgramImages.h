// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own images embedded under :/plenta/ (drawn by res/tools/MakeImages.cpp): the toolbar strip
// and the icon.
#pragma once

#include <QPixmap>

namespace plenta {

// The seven 26 x 26 toolbar images side by side.
QPixmap ToolbarStrip();

// The 32 x 32 icon of the window and the About box.
QPixmap ProgramIcon();

} // namespace plenta
