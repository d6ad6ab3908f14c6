// Brings the toolbar's check states and the form's fields into line with the picked date after a scan.
#pragma once

#include <JournalTypes.h>

#include <QString>

class QComboBox;

namespace plenta {

class EntryForm;
class MainToolbar;

// Selects the first item beginning with `text`, ignoring case, and leaves the selection alone when none does.
// An empty text clears the field and selects nothing, so that the field never shows an item the day lacks.
void SelectByPrefix(QComboBox &box, const QString &text);

// The temperature list's index of a temperature, -1 (nothing selected) outside 35.5 to 37.5.
int TemperatureIndexOf(std::int32_t tenths);

// Reads the delete button, gives a day without entry its defaults, and shows the selection in the form and
// the four mark buttons. Either window may be missing; its steps are then skipped.
void RefreshForm(EntryForm *form, MainToolbar *toolbar, DaySelection &selection);

} // namespace plenta
