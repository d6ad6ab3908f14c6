// Conversions between the date picker's QDate, the journal's calendar date and the selection's date text.
#pragma once

#include <JournalTypes.h>

#include <QDate>

#include <string>

namespace plenta {

Date ToDate(const QDate &date);
QDate ToQDate(Date date);

// "%d/%02d/%02d": the year unpadded, month and day with two digits, as the scan keeps the picked date.
std::string SelectionDateText(Date date);

// The local calendar date, the same clock as the date picker's default.
Date Today();

} // namespace plenta
