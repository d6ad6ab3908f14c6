// SPDX-License-Identifier: GPL-3.0-or-later
// The date picker's dates: its QDate as the journal's calendar date, and its display format.
#include "ui/PickerDate.h"

namespace plenta {

Date ToDate(const QDate &date) {
    return Date{std::chrono::year{date.year()}, std::chrono::month{static_cast<unsigned>(date.month())},
                std::chrono::day{static_cast<unsigned>(date.day())}};
}

namespace {

// Rewrites each run of one letter outside quotes, such as "yy" or "MMM", by `map`.
template <typename Map> QString MapLetterRuns(const QString &format, Map map) {
    QString mapped;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar letter = format[i];
        if (letter == QLatin1Char('\'')) {
            quoted = !quoted;
        }
        if (quoted || !letter.isLetter()) {
            mapped += letter;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == letter) {
            ++run;
        }
        mapped += map(letter.toLatin1(), run);
        i += run;
    }
    return mapped;
}

} // namespace

QString WithFourDigitYear(const QString &format) {
    return MapLetterRuns(format, [](char letter, qsizetype run) {
        return letter == 'y' && run == 2 ? QStringLiteral("yyyy") : QString(run, QLatin1Char(letter));
    });
}

QString CompactDateFormat(const QString &format) {
    return MapLetterRuns(format, [](char letter, qsizetype run) {
        if (letter == 'y' && run == 4) {
            return QStringLiteral("yy");
        }
        if (letter == 'M' && run >= 3) {
            return QStringLiteral("MM");
        }
        return QString(run, QLatin1Char(letter));
    });
}

} // namespace plenta
