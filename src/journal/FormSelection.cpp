// SPDX-License-Identifier: GPL-3.0-or-later
// The form's view of the picked date; see FormSelection.h.
#include "journal/FormSelection.h"

#include <algorithm>

namespace plenta {

namespace {

// The index of the item that is exactly `comment`, byte for byte, or -1 when there is none or the comment is
// empty. An item that only begins with the comment, or differs in letter case, is another text: selecting it
// would show it, and a save would then store it in place of the day's own comment.
int CommentItemOf(std::string_view comment, const std::vector<std::string> &items) {
    if (comment.empty()) {
        return -1;
    }
    const auto found = std::find(items.begin(), items.end(), comment);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

} // namespace

FormSelection FormSelectionOf(const DaySelection &scanned, const std::vector<std::string> &comments) {
    FormSelection form{scanned};
    if (!form.selection.hasEntry) {
        form.selection.temperature = DEFAULT_TEMPERATURE;
        form.selection.comment.clear();
        form.selection.marks.clear();
    }
    form.commentItem = CommentItemOf(form.selection.comment, comments);
    return form;
}

} // namespace plenta
