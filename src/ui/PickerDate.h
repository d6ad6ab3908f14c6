// Conversions between the date picker's QDate and the journal's calendar date, and the picker's date format.
#pragma once

#include <JournalTypes.h>

#include <QDate>
#include <QString>

namespace plenta {

Date ToDate(const QDate &date);
QDate ToQDate(Date date);

// The date format with a two-digit year ("yy") widened to four digits; quoted text and other fields stay.
QString WithFourDigitYear(const QString &format);
// The date format in its narrowest numeric form: month names become numbers, the year two digits.
QString CompactDateFormat(const QString &format);

} // namespace plenta
