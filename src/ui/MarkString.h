// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of the pending mark string by the four mark buttons; the toolbar's check states are left to the
// caller.
#pragma once

#include "journal/JournalTypes.h"

#include <cstddef>
#include <string>

namespace plenta {

// The mark string holds at most five letters; a letter that would make it longer is not appended.
inline constexpr std::size_t MARK_STRING_CAPACITY = 5;

// Removes the first occurrence of the letter (case-sensitive), or appends it when absent and there is room.
void ToggleMark(std::string &marks, char letter);

enum class FirstDayChange {
    Removed, // the day was a first day; only its '1' went
    Started, // the string is now "1"; the other mark buttons must be unchecked
};

// Turning the first day on starts the day afresh with the single mark '1'; turning it off removes only the
// '1'.
FirstDayChange ApplyFirstDayRule(std::string &marks);

} // namespace plenta
