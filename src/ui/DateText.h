// Conversions between the date picker's QDate and the journal's calendar date.
#pragma once

#include <JournalTypes.h>

#include <QDate>

namespace plenta {

Date ToDate(const QDate &date);
QDate ToQDate(Date date);

// The local calendar date, the same clock as the date picker's default.
Date Today();

} // namespace plenta
