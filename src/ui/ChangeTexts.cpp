// SPDX-License-Identifier: GPL-3.0-or-later
// What the program's boxes say about changes of the journal.
#include "ui/ChangeTexts.h"

#include "ui/Translation.h"

#include <StringTable.h>

#include <QCoreApplication>

#include <cstdio>

namespace plenta {
namespace {

// "08.12.2026" in German, "2026-12-08" in English.
std::string DayText(Date date) {
    char day[4];
    char month[4];
    char year[8];
    std::snprintf(day, sizeof day, "%02u", static_cast<unsigned>(date.day()));
    std::snprintf(month, sizeof month, "%02u", static_cast<unsigned>(date.month()));
    std::snprintf(year, sizeof year, "%04d", static_cast<int>(date.year()));
    return QCoreApplication::translate("ChangeTexts", "%1.%2.%3", "day, month, year")
        .arg(QLatin1String(day), QLatin1String(month), QLatin1String(year))
        .toStdString();
}

} // namespace

std::string DateListText(const std::vector<Date> &dates) {
    const std::size_t count = dates.size();
    const std::size_t named = count > MAX_LISTED_DATES ? MAX_LISTED_DATES : count;
    std::string text;
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0) {
            text += i + 1 == count ? QCoreApplication::translate("ChangeTexts", " und ").toStdString() : ", ";
        }
        text += DayText(dates[i]);
    }
    if (named < count) {
        const std::size_t more = count - named;
        text += CountedText("ChangeTexts", more, QT_TRANSLATE_NOOP("ChangeTexts", " und %1 weiterer Tag"),
                            QT_TRANSLATE_NOOP("ChangeTexts", " und %1 weitere Tage"));
    }
    return text;
}

std::string HistoryWarning(const ChangeRecording &recording) {
    return recording.status == RecordStatus::Failed ? "\n" + TextUtf8(StringId::HistoryNotWritten)
                                                    : std::string();
}

std::string CountedText(const char *context, std::size_t count, const char *one, const char *many) {
    return QCoreApplication::translate(context, count == 1 ? one : many)
        .arg(static_cast<qulonglong>(count))
        .toStdString();
}

} // namespace plenta
