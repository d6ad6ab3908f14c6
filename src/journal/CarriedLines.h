// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of a journal as every rewrite carries them over, shared by save, delete and merge.
#pragma once

#include <string>
#include <string_view>

namespace plenta {

// Calls `visit` for every line with its line end. A last line without LF is handed on with CR LF added (or
// just the LF when its CR is there), so that it is neither lost nor glued to the line written after it.
template <typename Visit> void ForEachCarriedLine(std::string_view content, Visit visit) {
    std::string carried;
    while (!content.empty()) {
        const std::size_t lf = content.find('\n');
        if (lf == std::string_view::npos) {
            carried.assign(content);
            carried += content.back() == '\r' ? "\n" : "\r\n";
            visit(std::string_view(carried));
            return;
        }
        visit(content.substr(0, lf + 1));
        content.remove_prefix(lf + 1);
    }
}

} // namespace plenta
