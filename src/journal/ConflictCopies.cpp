// SPDX-License-Identifier: GPL-3.0-or-later
// Conflict copies are found by their names alone: a sync service never changes the journal's base name or
// extension, and only puts its marker between them.
#include "journal/ConflictCopies.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace plenta {

namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether `text` has the shape of `pattern`, where 'D' stands for a digit and 'A' for an upper-case letter or
// digit; every other character stands for itself.
constexpr bool Matches(std::string_view text, std::string_view pattern) {
    if (text.size() != pattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool ok = pattern[i] == 'D'   ? IsDigit(c)
                        : pattern[i] == 'A' ? IsDigit(c) || (c >= 'A' && c <= 'Z')
                                            : c == pattern[i];
        if (!ok) {
            return false;
        }
    }
    return true;
}

constexpr int Number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// A real copy carries the moment of the conflict, so a name whose "date" is no date is someone else's file.
constexpr bool PlausibleDate(std::string_view yyyy, std::string_view mm, std::string_view dd) {
    return Number(yyyy) >= 1 && Number(mm) >= 1 && Number(mm) <= 12 && Number(dd) >= 1 && Number(dd) <= 31;
}
constexpr bool PlausibleTime(std::string_view hhmmss) {
    return Number(hhmmss.substr(0, 2)) < 24 && Number(hhmmss.substr(2, 2)) < 60 &&
           Number(hhmmss.substr(4, 2)) < 61;
}

// ".sync-conflict-20261204-101112-ABCDEFG": date, time and the short id of the device that lost.
bool IsSyncthingMarker(std::string_view marker) {
    return Matches(marker, ".sync-conflict-DDDDDDDD-DDDDDD-AAAAAAA") &&
           PlausibleDate(marker.substr(15, 4), marker.substr(19, 2), marker.substr(21, 2)) &&
           PlausibleTime(marker.substr(24, 6));
}

bool IsIsoDate(std::string_view text) {
    return Matches(text, "DDDD-DD-DD") &&
           PlausibleDate(text.substr(0, 4), text.substr(5, 2), text.substr(8, 2));
}

// " (conflicted copy [user ]2026-12-04 101112)".
bool IsNextcloudMarker(std::string_view marker) {
    constexpr std::string_view OPEN = " (conflicted copy ";
    constexpr std::size_t STAMP = std::string_view("2026-12-04 101112)").size();
    if (!marker.starts_with(OPEN) || marker.size() < OPEN.size() + STAMP) {
        return false;
    }
    const std::string_view user = marker.substr(OPEN.size(), marker.size() - OPEN.size() - STAMP);
    const std::string_view stamp = marker.substr(marker.size() - STAMP);
    return (user.empty() || user.ends_with(' ')) && IsIsoDate(stamp.substr(0, 10)) &&
           Matches(stamp.substr(10), " DDDDDD)") && PlausibleTime(stamp.substr(11, 6));
}

// " (Anna's conflicted copy 2026-12-04)", also " (Anna's conflicted copy 2026-12-04 (1))" for a second
// conflict on the same day; the owner's name ends in an apostrophe, typed or typographic.
bool IsDropboxMarker(std::string_view marker) {
    constexpr std::string_view COPY = " conflicted copy ";
    if (!marker.starts_with(" (") || !marker.ends_with(')')) {
        return false;
    }
    const std::size_t copy = marker.find(COPY);
    if (copy == std::string_view::npos) {
        return false;
    }
    const std::string_view owner = marker.substr(2, copy - 2);
    std::string_view rest = marker.substr(copy + COPY.size());
    rest.remove_suffix(1);
    constexpr std::array<std::string_view, 4> POSSESSIVES{"'s", "'", "\u2019s", "\u2019"};
    const bool possessive = std::any_of(POSSESSIVES.begin(), POSSESSIVES.end(), [&](std::string_view ending) {
        return owner.size() > ending.size() && owner.ends_with(ending);
    });
    if (!possessive || rest.size() < 10 || !IsIsoDate(rest.substr(0, 10))) {
        return false;
    }
    const std::string_view counter = rest.substr(10);
    return counter.empty() || (counter.size() >= 4 && counter.starts_with(" (") && counter.ends_with(')') &&
                               std::all_of(counter.begin() + 2, counter.end() - 1, IsDigit));
}

// The journal's name up to its extension; a name that starts with its only dot has none.
std::string_view StemOf(std::string_view journalName) {
    const std::size_t dot = journalName.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? journalName : journalName.substr(0, dot);
}

// Whether `fileName` in Syncthing's ".stversions" folder is a kept version of the journal or of one of its
// conflict copies: the name itself (versioning "Trash Can") or with "~20261207-101112" before the extension
// ("Simple", "Staggered").
bool IsKeptVersionName(std::string_view fileName, std::string_view journalName) {
    const std::string_view extension = journalName.substr(StemOf(journalName).size());
    std::string name(fileName);
    // "~20261207-101112" just before the extension; a name without the extension ends in it.
    constexpr std::size_t STAMP = std::string_view("~20261207-101112").size();
    if (fileName.ends_with(extension) && fileName.size() >= extension.size() + STAMP) {
        const std::string_view stamp = fileName.substr(fileName.size() - extension.size() - STAMP, STAMP);
        if (Matches(stamp, "~DDDDDDDD-DDDDDD")) {
            name = std::string(fileName.substr(0, fileName.size() - extension.size() - STAMP)) +
                   std::string(extension);
        }
    }
    return name == journalName || ConflictSchemeOf(name, journalName) == ConflictScheme::Syncthing;
}

} // namespace

std::string_view SchemeName(ConflictScheme scheme) {
    switch (scheme) {
    case ConflictScheme::Syncthing:
        return "syncthing";
    case ConflictScheme::Nextcloud:
        return "nextcloud";
    case ConflictScheme::Dropbox:
        return "dropbox";
    case ConflictScheme::SyncthingVersion:
        return "syncthing-version";
    }
    return "unknown";
}

std::optional<ConflictScheme> ConflictSchemeOf(std::string_view fileName, std::string_view journalName) {
    const std::string_view stem = StemOf(journalName);
    const std::string_view extension = journalName.substr(stem.size());
    if (fileName.size() <= journalName.size() || !fileName.starts_with(stem) ||
        !fileName.ends_with(extension)) {
        return std::nullopt;
    }
    const std::string_view marker = fileName.substr(stem.size(), fileName.size() - journalName.size());
    if (IsSyncthingMarker(marker)) {
        return ConflictScheme::Syncthing;
    }
    if (IsNextcloudMarker(marker)) {
        return ConflictScheme::Nextcloud;
    }
    if (IsDropboxMarker(marker)) {
        return ConflictScheme::Dropbox;
    }
    return std::nullopt;
}

std::filesystem::path SetAsideCopyName(const std::filesystem::path &journal, std::time_t when, int counter) {
    const std::string journalName = journal.filename().string();
    const std::string_view stem = StemOf(journalName);
    std::tm local{};
    ::localtime_r(&when, &local);
    char stamp[sizeof "20261204-101112"];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    // The device part names this program, which no sync service's short ids (seven of A-Z, 2-7) can be, and
    // ends in the counter as two of 0-9 and A-Z.
    constexpr std::string_view DIGITS = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const auto index = static_cast<std::size_t>(counter % SET_ASIDE_NAMES);
    const std::string device{
        'P', 'L', 'E', 'N', 'T', DIGITS[index / DIGITS.size()], DIGITS[index % DIGITS.size()]};
    return journal.parent_path() /
           (std::string(stem) + ".sync-conflict-" + stamp + "-" + device + journalName.substr(stem.size()));
}

bool IsKeptVersion(const std::filesystem::path &file) {
    return file.parent_path().filename() == ".stversions";
}

std::vector<ConflictCopy> FindConflictCopies(const std::filesystem::path &journal) {
    const std::filesystem::path folder = journal.has_parent_path() ? journal.parent_path() : ".";
    const std::string journalName = journal.filename().string();
    std::vector<ConflictCopy> copies;
    const auto list = [&](const std::filesystem::path &where, bool versions) {
        const std::size_t first = copies.size();
        std::error_code error;
        for (std::filesystem::directory_iterator it(where, error), end; !error && it != end;
             it.increment(error)) {
            const std::string name = it->path().filename().string();
            const std::optional<ConflictScheme> scheme =
                versions ? (IsKeptVersionName(name, journalName)
                                ? std::optional<ConflictScheme>(ConflictScheme::SyncthingVersion)
                                : std::nullopt)
                         : ConflictSchemeOf(name, journalName);
            std::error_code typeError;
            if (scheme && it->is_regular_file(typeError)) {
                copies.push_back({it->path(), *scheme});
            }
        }
        std::sort(copies.begin() + static_cast<std::ptrdiff_t>(first), copies.end(),
                  [](const ConflictCopy &a, const ConflictCopy &b) {
                      return a.path.filename() < b.path.filename();
                  });
    };
    list(folder, false);
    // Syncthing keeps what it replaces or removes there, conflict copies it overwrote within one second
    // included; only the journal's own folder's versions are looked at.
    list(folder / ".stversions", true);
    return copies;
}

} // namespace plenta
