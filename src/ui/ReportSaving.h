// SPDX-License-Identifier: GPL-3.0-or-later
// The window's Ctrl+P: asks where to store the report for the doctor and writes it with the report writer the
// command-line tool uses.
#pragma once

#include "journal/JournalTypes.h"
#include <TranslatedText.h>

#include <filesystem>

class QWidget;

namespace plenta {

// Captions and texts of the report's boxes, in German; shown translated under the context "ReportSaving".
inline constexpr char REPORT_DIALOG_CAPTION[] = PLENTA_TEXT("ReportSaving", "Bericht speichern");
inline constexpr char REPORT_WRITTEN[] = PLENTA_TEXT("ReportSaving", "Bericht gespeichert!");
inline constexpr char REPORT_FAILED[] = PLENTA_TEXT("ReportSaving", "Fehler beim Schreiben des Berichts!");

// The file dialog runs through RunModal like every box, so a test answers it by selecting a file and
// accepting. Cancelling writes nothing and shows nothing.
void SaveReport(QWidget &owner, const std::filesystem::path &journal, Date today);

} // namespace plenta
