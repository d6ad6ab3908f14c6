// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers get from the program's own widgets where Qt's stock answers fall short: the chart's
// stand-in describes the picked day and the statistics, computed only when a reader asks; the form's
// drop-downs are named by their purpose (Qt names a drop-down by its current text on Linux) and give their
// text as the value; a mark's actions tap it as a pointer does, so the toolbar reports the change. Everything
// here runs only while a screen reader or other assistive tool listens.
#pragma once

class QWidget;

namespace plenta {

// Lets Qt build the interfaces above; safe to call more than once.
void InstallAccessibleFactory();

// Tells a listening screen reader that the chart's description changed (a scan or a command ran); nothing
// happens while none listens.
void AnnounceChartChange(QWidget &mainWindow);

} // namespace plenta
