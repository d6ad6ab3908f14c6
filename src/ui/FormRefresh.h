// SPDX-License-Identifier: GPL-3.0-or-later
// Brings the toolbar's check states and the form's fields into line with the picked date after a scan.
#pragma once

#include "journal/JournalTypes.h"

#include <string>
#include <vector>

class QComboBox;

namespace plenta {

class EntryForm;
class MainToolbar;

// The comment box's items in UTF-8, in list order.
std::vector<std::string> CommentItems(const QComboBox &box);

// Shows `comment` (UTF-8) exactly in the box's field with list item `item` selected (-1: none). An empty
// comment clears the field and selects nothing, so that the field never shows an item the day lacks.
void ShowComment(QComboBox &box, const std::string &comment, int item);

// The temperature list's index of a temperature, -1 (nothing selected) outside 35.5 to 37.5.
int TemperatureIndexOf(std::int32_t tenths);

// Reads the delete button, gives a day without entry its defaults, and shows the selection in the form and
// the four mark buttons. Either window may be missing; its steps are then skipped.
void RefreshForm(EntryForm *form, MainToolbar *toolbar, DaySelection &selection);

} // namespace plenta
