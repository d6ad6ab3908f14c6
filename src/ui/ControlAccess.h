// SPDX-License-Identifier: GPL-3.0-or-later
// How the keyboard and screen readers reach the window's controls: every control's accessible name and
// description (the texts live here, in one place for the translators), the Tab order, and what the chart says
// about the picked day. The texts follow the language of the translator installed when they are set.
#pragma once

#include "journal/JournalTypes.h"

#include <QString>

namespace plenta {

class ChartArea;
class EntryForm;
class MainToolbar;

// Names and describes the form's fields, the toolbar's buttons and the chart, and chains the Tab order date,
// temperature, the four marks, comment, save, delete, About. Any of them may be missing.
void OpenControls(EntryForm *form, MainToolbar *toolbar, ChartArea *chart);

// The chart's description: the picked day's cycle day, temperature and marks, then the statistics text, all
// as the last scan found them.
QString ChartDescription(const JournalScan &scan);

} // namespace plenta
