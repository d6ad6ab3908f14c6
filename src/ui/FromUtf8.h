// SPDX-License-Identifier: GPL-3.0-or-later
// The program's texts are UTF-8 in std::string_view; Qt wants them as QString.
#pragma once

#include <QString>

#include <string_view>

namespace plenta {

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace plenta
