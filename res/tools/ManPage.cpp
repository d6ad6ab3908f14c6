// SPDX-License-Identifier: GPL-3.0-or-later
// Fills a manual page template at build time, so that the page's version, date, desktop key list and limits
// come from the same tables and constants as --help and the About box and cannot drift from them.
//   plenta-man-page TEMPLATE OUT YYYY-MM-DD
#include "journal/ChangeHistory.h"
#include "journal/JournalImport.h"
#include "journal/JournalTypes.h"
#include "platform/HandheldKeys.h"
#include "platform/HoldWords.h"
#include "plenta-journal/ChartExport.h"
#include "ui/ShortcutTable.h"
#include "ui/ZoomLimits.h"
#include <EnglishTexts.h>
#include <PlentaVersion.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

constexpr std::array<const char *, 12> MONTHS{"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};

// roff reads a hyphen as a hyphen; options and key names need the minus sign that can be searched for.
std::string Roff(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '-' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

std::string_view English(std::string_view context, std::string_view german) {
    return plenta::LookUp(plenta::ENGLISH_TEXTS, context, german);
}

// "1 to 4", as --help writes a range.
std::string Range(int low, int high) {
    return plenta::WithArgs(English("CommandLine", "%1 bis %2"), {std::to_string(low), std::to_string(high)});
}

std::string DesktopKeys() {
    std::string out;
    for (const plenta::DesktopShortcut &shortcut : plenta::DESKTOP_SHORTCUTS) {
        // The manual pages are English.
        std::string description(English("Shortcuts", shortcut.description));
        description[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(description[0])));
        out += ".TP\n.B " + Roff(English("Shortcuts", shortcut.label)) + "\n" + Roff(description) + ".\n";
    }
    return out;
}

// "2026-12-08" as "December 2026", the usual date line of a manual page.
std::string MonthAndYear(const std::string &date) {
    const int month = date.size() == 10 ? std::stoi(date.substr(5, 2)) : 0;
    if (month < 1 || month > 12) {
        return date;
    }
    return std::string(MONTHS[static_cast<std::size_t>(month - 1)]) + " " + date.substr(0, 4);
}

void Replace(std::string &text, const std::string &placeholder, const std::string &value) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at)) {
        text.replace(at, placeholder.size(), value);
        at += value.size();
    }
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fputs("usage: plenta-man-page TEMPLATE OUT YYYY-MM-DD\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string page = buffer.str();
    if (!in || page.empty()) {
        std::fprintf(stderr, "plenta-man-page: cannot read %s\n", argv[1]);
        return 1;
    }
    Replace(page, "@PLENTA_VERSION@", plenta::PLENTA_VERSION);
    Replace(page, "@PLENTA_MONTH@", MonthAndYear(argv[3]));
    Replace(page, "@DESKTOP_KEYS@\n", DesktopKeys());
    using namespace plenta;
    Replace(page, "@ZOOM_RANGE@", Range(MIN_ZOOM, MAX_ZOOM));
    Replace(page, "@ZOOM_SCREEN_PERCENT@", std::to_string(ZOOM_SCREEN_PERCENT));
    Replace(page, "@CHART_SCALE_RANGE@", Range(MIN_CHART_SCALE, MAX_CHART_SCALE));
    Replace(page, "@HELD@", HoldWords(HOLD_PERIOD_MS, [](std::string_view german) {
                return English("CommandLine", german);
            }));
    Replace(page, "@MAX_COMMENT_CHARS@", std::to_string(MAX_COMMENT_CHARS));
    Replace(page, "@MAX_IMPORT_MIB@", std::to_string(MAX_IMPORT_BYTES >> 20));
    Replace(page, "@MAX_HISTORY_MIB@", std::to_string(MAX_HISTORY_BYTES >> 20));
    Replace(page, "@MAX_HISTORY_ENTRIES@", std::to_string(MAX_HISTORY_ENTRIES));
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << page;
    out.close();
    if (!out) {
        std::fprintf(stderr, "plenta-man-page: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
