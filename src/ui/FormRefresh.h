// SPDX-License-Identifier: GPL-3.0-or-later
// Brings the toolbar's check states and the form's fields into line with the picked date after a scan.
#pragma once

#include "journal/JournalTypes.h"

namespace plenta {

class EntryForm;
class MainToolbar;

// Reads the delete button, gives a day without entry its defaults, and shows the selection in the form and
// the four mark buttons. Either window may be missing; its steps are then skipped.
void RefreshForm(EntryForm *form, MainToolbar *toolbar, DaySelection &selection);

} // namespace plenta
