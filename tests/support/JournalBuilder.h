// SPDX-License-Identifier: GPL-3.0-or-later
// Writes test journals day by day, so a test states its records as dates and marks rather than as bytes.
#pragma once

#include "TempFolder.h"
#include "journal/JournalTypes.h"

#include <cstdio>
#include <string>

namespace plenta::test {

class JournalBuilder {
public:
    JournalBuilder()
        : text_(test::HEADER) {}

    JournalBuilder &Add(Date date, const std::string &marks = "", const std::string &comment = "",
                        int temperature = 365) {
        char line[64];
        std::snprintf(line, sizeof line, "%04d/%02d/%02d,%d.%d,", static_cast<int>(date.year()),
                      static_cast<int>(static_cast<unsigned>(date.month())),
                      static_cast<int>(static_cast<unsigned>(date.day())), temperature / 10,
                      temperature % 10);
        text_ += line + marks + "," + comment + "\r\n";
        return *this;
    }

    // One record a day from `first` on for `days` days; `marksOf(i)` gives the marks of day i (0-based).
    template <typename MarksOf> JournalBuilder &Daily(Date first, int days, MarksOf marksOf) {
        for (int i = 0; i < days; ++i) {
            Add(Date{std::chrono::sys_days{first} + std::chrono::days{i}}, marksOf(i));
        }
        return *this;
    }

    JournalBuilder &Raw(const std::string &bytes) {
        text_ += bytes;
        return *this;
    }

    const std::string &Text() const { return text_; }

private:
    std::string text_;
};

inline Date DaysAfter(Date date, int days) {
    return Date{std::chrono::sys_days{date} + std::chrono::days{days}};
}

} // namespace plenta::test
