// SPDX-License-Identifier: GPL-3.0-or-later
// The date picker's dates: its QDate as the journal's calendar date, and its display format.
#pragma once

#include "journal/JournalTypes.h"

#include <QDate>
#include <QString>

namespace plenta {

// The picker's date as the journal's calendar date.
Date ToDate(const QDate &date);

// The date format with a two-digit year ("yy") widened to four digits; quoted text and other fields stay.
QString WithFourDigitYear(const QString &format);
// The date format in its narrowest numeric form: month names become numbers, the year two digits.
QString CompactDateFormat(const QString &format);

} // namespace plenta
