// SPDX-License-Identifier: GPL-3.0-or-later
// What the program's boxes say about changes of the journal.
#include "ui/ChangeTexts.h"

#include <StringTable.h>

#include <cstdio>

namespace plenta {

std::string DayText(Date date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return text;
}

std::string DateListText(const std::vector<Date> &dates) {
    const std::size_t count = dates.size();
    const std::size_t named = count > MAX_LISTED_DATES ? MAX_LISTED_DATES : count;
    std::string text;
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0) {
            text += i + 1 == count ? " und " : ", ";
        }
        text += DayText(dates[i]);
    }
    if (named < count) {
        const std::size_t more = count - named;
        text += " und " + std::to_string(more) + (more == 1 ? " weiterer Tag" : " weitere Tage");
    }
    return text;
}

std::string HistoryWarning(const ChangeRecording &recording) {
    return recording.status == RecordStatus::Failed
               ? "\n" + std::string(LoadText(StringId::HistoryNotWritten))
               : std::string();
}

} // namespace plenta
