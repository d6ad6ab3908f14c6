// SPDX-License-Identifier: GPL-3.0-or-later
// Text from other files (a conflict copy's lines, file names) as the tool prints it: control characters are
// shown escaped, so that bytes a copy holds never retitle, clear or move the user's terminal.
#pragma once

#include <string>
#include <string_view>

namespace plenta {

// `text` (UTF-8) with every C0 control character, DEL and every C1 control (U+0080-U+009F) as "\x1b", and a
// backslash as "\\", so that the escaped form cannot be mistaken for the bytes themselves.
std::string ShownText(std::string_view text);

} // namespace plenta
