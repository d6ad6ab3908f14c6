// SPDX-License-Identifier: GPL-3.0-or-later
// Fills a manual page template at build time, so that the page's version, date and desktop key list come from
// the same tables as --help and the About box and cannot drift from them.
//   plenta-man-page TEMPLATE OUT YYYY-MM-DD
#include "ui/ShortcutTable.h"
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

std::string DesktopKeys() {
    std::string out;
    for (const plenta::DesktopShortcut &shortcut : plenta::DESKTOP_SHORTCUTS) {
        // The manual pages are English.
        std::string description(plenta::LookUp(plenta::ENGLISH_TEXTS, "Shortcuts", shortcut.description));
        description[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(description[0])));
        out += ".TP\n.B " + Roff(plenta::LookUp(plenta::ENGLISH_TEXTS, "Shortcuts", shortcut.label)) + "\n" +
               Roff(description) + ".\n";
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
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << page;
    out.close();
    if (!out) {
        std::fprintf(stderr, "plenta-man-page: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
