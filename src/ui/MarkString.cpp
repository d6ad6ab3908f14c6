// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of the pending mark string by the four mark buttons.
#include "ui/MarkString.h"

namespace plenta {

void ToggleMark(std::string &marks, char letter) {
    const std::size_t at = marks.find(letter);
    if (at != std::string::npos) {
        marks.erase(at, 1);
    } else if (marks.size() < MARK_STRING_CAPACITY) {
        marks.push_back(letter);
    }
}

FirstDayChange ApplyFirstDayRule(std::string &marks) {
    const std::size_t at = marks.find(LETTER_FIRST_DAY);
    if (at != std::string::npos) {
        marks.erase(at, 1);
        return FirstDayChange::Removed;
    }
    marks = std::string(1, LETTER_FIRST_DAY);
    return FirstDayChange::Started;
}

} // namespace plenta
