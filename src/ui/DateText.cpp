// Conversions between the date picker's QDate and the journal's calendar date.
#include "DateText.h"

namespace plenta {

Date ToDate(const QDate &date) {
    return Date{std::chrono::year{date.year()}, std::chrono::month{static_cast<unsigned>(date.month())},
                std::chrono::day{static_cast<unsigned>(date.day())}};
}

QDate ToQDate(Date date) {
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

Date Today() {
    return ToDate(QDate::currentDate());
}

} // namespace plenta
