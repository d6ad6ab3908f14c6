// SPDX-License-Identifier: GPL-3.0-or-later
// drip's CSV export as journal records: its columns found by name, its days mapped to temperature and marks.
#pragma once

#include "journal/CsvReader.h"
#include "journal/JournalImport.h"

namespace plenta {

// The first row is drip's header of dotted names; `date` and `temperature.value` must be there, the other
// columns this reads may be missing (their cells count as empty) and columns it does not know are ignored.
void ConvertDripRows(const CsvTable &table, const ImportOptions &options, ImportedRecords &imported);

} // namespace plenta
