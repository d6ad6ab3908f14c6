// Conversions between the date picker's QDate, the journal's calendar date and the selection's date text.
#include "DateText.h"

#include <cstdio>

namespace plenta {

Date ToDate(const QDate &date) {
    return Date{std::chrono::year{date.year()}, std::chrono::month{static_cast<unsigned>(date.month())},
                std::chrono::day{static_cast<unsigned>(date.day())}};
}

QDate ToQDate(Date date) {
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

std::string SelectionDateText(Date date) {
    char text[16];
    std::snprintf(text, sizeof text, "%d/%02u/%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

Date Today() {
    return ToDate(QDate::currentDate());
}

} // namespace plenta
