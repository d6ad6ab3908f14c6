// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that the toolbar, the keys, the desktop shortcuts and the About box send to the main window.
#pragma once

namespace plenta {

enum class Command {
    FirstDay,
    Mucus,
    Ovulation,
    Intercourse,
    Save,
    DeleteDay,
    About,
    // The About box's "Ende": the program ends.
    Exit,
    // Desktop keyboard commands that the handheld reached only through the About box or a double tap.
    KeyHelp,
    Statistics,
    // The report for the doctor, written to a PDF file the user picks.
    Report,
    // Takes back the latest change to the journal that the local history holds.
    Undo,
};

} // namespace plenta
