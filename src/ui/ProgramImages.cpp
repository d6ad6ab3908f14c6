// SPDX-License-Identifier: GPL-3.0-or-later
// The program's embedded images, each path named once.
#include "ui/ProgramImages.h"

#include "chart/ResourceImage.h"

namespace plenta {

QPixmap ToolbarStrip() {
    return QPixmap::fromImage(LoadPng(QStringLiteral(":/plenta/toolbar.png")));
}

QPixmap ProgramIcon() {
    return QPixmap::fromImage(LoadPng(QStringLiteral(":/plenta/plenta-32.png")));
}

} // namespace plenta
