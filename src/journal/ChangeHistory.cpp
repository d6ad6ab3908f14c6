// SPDX-License-Identifier: GPL-3.0-or-later
// The history file: JSON lines appended with O_APPEND under an flock, each line one write, so a crash cuts
// at most the last line short; a file past its bounds is rewritten through a temporary file and a rename.
#include "journal/ChangeHistory.h"

#include "journal/CodePage.h"
#include "journal/FileDescriptor.h"
#include "journal/ReasonText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace plenta {
namespace {

// A history far beyond its bounds is no file of ours: it is not read whole.
constexpr std::size_t MAX_HISTORY_READ = std::size_t{64} << 20;

// A trim keeps three quarters of either bound, so that the appends after it do not trim again at once.
constexpr std::size_t KEPT_BYTES = MAX_HISTORY_BYTES / 4 * 3;
constexpr std::size_t KEPT_ENTRIES = MAX_HISTORY_ENTRIES / 4 * 3;

void Tell(std::string *problem, const std::filesystem::path &file, std::string_view what, int error = 0) {
    if (problem != nullptr) {
        *problem = file.string() + ": " + std::string(what);
        if (error != 0) {
            *problem += ": " + std::generic_category().message(error);
        }
    }
}

// Opens the history without following a link and without blocking on a FIFO, and keeps it only when it is a
// regular file. -1 with errno set otherwise (ELOOP for a link, EINVAL for anything not regular).
int OpenHistory(const std::filesystem::path &history, int flags) {
    const int fd = ::open(history.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

std::string OpenProblem(int error) {
    if (error == ELOOP) {
        return ReasonText(PLENTA_TEXT("journal", "ist ein symbolischer Link, dem der Verlauf nie folgt"));
    }
    if (error == EINVAL) {
        return ReasonText(PLENTA_TEXT("journal", "ist keine reguläre Datei"));
    }
    return ReasonText(PLENTA_TEXT("journal", "kann nicht geöffnet werden"));
}

bool ReadAll(int fd, std::string &content) {
    char block[64 * 1024];
    for (;;) {
        const ssize_t got = ::pread(fd, block, sizeof block, static_cast<off_t>(content.size()));
        if (got == 0) {
            return true;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.append(block, static_cast<std::size_t>(got));
        if (content.size() > MAX_HISTORY_READ) {
            errno = EFBIG;
            return false;
        }
    }
}

// Every complete line (its LF seen) without its line end; a last line without one is a torn write.
template <typename Visit> void ForEachCompleteLine(std::string_view content, Visit visit) {
    for (std::size_t lf = content.find('\n'); lf != std::string_view::npos; lf = content.find('\n')) {
        visit(content.substr(0, lf));
        content.remove_prefix(lf + 1);
    }
}

std::string IsoDateText(Date date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<Date> ParseIsoDate(std::string_view text) {
    int parts[3] = {};
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i) {
        const char *first = text.data() + starts[i];
        const char *last = first + lengths[i];
        if (std::from_chars(first, last, parts[i]).ptr != last) {
            return std::nullopt;
        }
    }
    const Date date{std::chrono::year{parts[0]}, std::chrono::month{static_cast<unsigned>(parts[1])},
                    std::chrono::day{static_cast<unsigned>(parts[2])}};
    return date.ok() ? std::optional<Date>(date) : std::nullopt;
}

nlohmann::ordered_json LinesJson(const std::vector<std::string> &lines) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const std::string &line : lines) {
        json.push_back(Cp1252ToUtf8(line));
    }
    return json;
}

std::vector<std::string> LinesOf(const nlohmann::json &json) {
    std::vector<std::string> lines;
    for (const nlohmann::json &line : json) {
        lines.push_back(Utf8ToCp1252(line.get<std::string>()));
    }
    return lines;
}

bool SyncFolder(const std::filesystem::path &file) {
    const std::filesystem::path parent = file.parent_path().empty() ? "." : file.parent_path();
    FileDescriptor folder(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.Get() >= 0 && ::fsync(folder.Get()) == 0;
}

// The newest entries that fit three quarters of the bounds, followed by `line`, written beside the history
// and renamed over it. The lines kept are copied as they are.
bool WriteTrimmed(const std::filesystem::path &history, std::string_view content, std::string_view line,
                  std::string *problem) {
    std::vector<std::string_view> lines;
    ForEachCompleteLine(content, [&](std::string_view each) { lines.push_back(each); });
    std::size_t bytes = line.size() + 1;
    std::size_t first = lines.size();
    while (first > 0 && lines.size() - first + 1 < KEPT_ENTRIES &&
           bytes + lines[first - 1].size() + 1 <= KEPT_BYTES) {
        --first;
        bytes += lines[first].size() + 1;
    }
    std::string kept;
    kept.reserve(bytes);
    for (std::size_t i = first; i < lines.size(); ++i) {
        kept.append(lines[i]).push_back('\n');
    }
    kept.append(line).push_back('\n');
    const std::filesystem::path temp = history.parent_path() / ("." + history.filename().string() + ".tmp");
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT) {
        Tell(problem, temp,
             ReasonText(PLENTA_TEXT("journal", "kann als alte temporäre Datei nicht entfernt werden")),
             errno);
        return false;
    }
    FileDescriptor out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.Get() < 0 || !WriteAll(out.Get(), kept) || ::fsync(out.Get()) != 0 || !out.Close() ||
        ::rename(temp.c_str(), history.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        Tell(problem, history, ReasonText(PLENTA_TEXT("journal", "kann nicht gekürzt werden")), error);
        return false;
    }
    SyncFolder(history);
    return true;
}

// The id after the last complete entry's, 1 for an empty history. Only the lines from the end back to the
// first entry are parsed: every save appends, and parsing a whole history each time would cost a save more
// than its rewrite.
std::int64_t NextId(std::string_view content) {
    std::size_t end = content.rfind('\n');
    while (end != std::string_view::npos) {
        const std::size_t start = end == 0 ? std::string_view::npos : content.rfind('\n', end - 1);
        const std::size_t from = start == std::string_view::npos ? 0 : start + 1;
        if (const std::optional<HistoryEntry> entry = ParseHistoryLine(content.substr(from, end - from))) {
            return entry->id + 1;
        }
        end = start;
    }
    return 1;
}

// Appends under the lock held on `fd`, which is still the file at the history's path.
bool AppendLocked(const std::filesystem::path &history, int fd, HistoryEntry &entry, std::string *problem) {
    std::string content;
    if (!ReadAll(fd, content)) {
        Tell(problem, history, ReasonText(PLENTA_TEXT("journal", "kann nicht gelesen werden")), errno);
        return false;
    }
    entry.id = NextId(content);
    const std::string line = HistoryLineOf(entry);
    const auto entries = static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n'));
    if (content.size() + line.size() + 1 > MAX_HISTORY_BYTES || entries + 1 > MAX_HISTORY_ENTRIES) {
        return WriteTrimmed(history, content, line, problem);
    }
    // A line cut short by a crash is closed first, so that it stays one unreadable line of its own.
    const std::string text = (content.empty() || content.back() == '\n' ? "" : "\n") + line + "\n";
    if (!WriteAll(fd, text) || ::fsync(fd) != 0) {
        Tell(problem, history, ReasonText(PLENTA_TEXT("journal", "kann nicht geschrieben werden")), errno);
        return false;
    }
    if (content.empty()) {
        SyncFolder(history);
    }
    return true;
}

} // namespace

std::filesystem::path HistoryPathOf(const std::filesystem::path &deviceRoot) {
    return deviceRoot / HISTORY_FILE_NAME;
}

std::string HistoryJournalName(const std::filesystem::path &journal) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(journal, error);
    return (error ? journal : absolute).lexically_normal().string();
}

std::string HistoryLineOf(const HistoryEntry &entry) {
    nlohmann::ordered_json json{
        {"id", entry.id}, {"time", entry.time}, {"command", entry.command}, {"journal", entry.journal}};
    if (entry.undoes != 0) {
        json["undoes"] = entry.undoes;
    }
    json["dates"] = nlohmann::ordered_json::array();
    for (const DateChange &change : entry.dates) {
        json["dates"].push_back({{"date", IsoDateText(change.date)},
                                 {"before", LinesJson(change.before)},
                                 {"after", LinesJson(change.after)}});
    }
    // Paths are bytes on Linux; one that is no UTF-8 still makes a line that reads back.
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::optional<HistoryEntry> ParseHistoryLine(std::string_view line) {
    const nlohmann::json json = nlohmann::json::parse(line, nullptr, false);
    if (!json.is_object()) {
        return std::nullopt;
    }
    try {
        HistoryEntry entry;
        entry.id = json.at("id").get<std::int64_t>();
        entry.time = json.at("time").get<std::string>();
        entry.command = json.at("command").get<std::string>();
        entry.journal = json.at("journal").get<std::string>();
        entry.undoes = json.value("undoes", std::int64_t{0});
        for (const nlohmann::json &change : json.at("dates")) {
            const std::optional<Date> date = ParseIsoDate(change.at("date").get<std::string>());
            if (!date) {
                return std::nullopt;
            }
            entry.dates.push_back({*date, LinesOf(change.at("before")), LinesOf(change.at("after"))});
        }
        return entry;
    } catch (const nlohmann::json::exception &) {
        // A line of the right syntax but another shape: no entry, like any other stray line.
        return std::nullopt;
    }
}

std::optional<std::vector<HistoryEntry>> ReadHistory(const std::filesystem::path &history,
                                                     std::string *problem) {
    FileDescriptor in(OpenHistory(history, O_RDONLY));
    if (in.Get() < 0) {
        if (errno == ENOENT) {
            return std::vector<HistoryEntry>{};
        }
        Tell(problem, history, OpenProblem(errno), errno == EINVAL ? 0 : errno);
        return std::nullopt;
    }
    std::string content;
    if (!ReadAll(in.Get(), content)) {
        Tell(problem, history, ReasonText(PLENTA_TEXT("journal", "kann nicht gelesen werden")), errno);
        return std::nullopt;
    }
    std::vector<HistoryEntry> entries;
    ForEachCompleteLine(content, [&](std::string_view line) {
        if (std::optional<HistoryEntry> entry = ParseHistoryLine(line)) {
            entries.push_back(std::move(*entry));
        }
    });
    return entries;
}

std::optional<std::vector<HistoryEntry>> ReadJournalHistory(const std::filesystem::path &history,
                                                            const std::filesystem::path &journal,
                                                            std::string *problem) {
    std::optional<std::vector<HistoryEntry>> entries = ReadHistory(history, problem);
    if (entries) {
        const std::string name = HistoryJournalName(journal);
        std::erase_if(*entries, [&name](const HistoryEntry &entry) { return entry.journal != name; });
    }
    return entries;
}

bool AppendHistoryEntry(const std::filesystem::path &history, HistoryEntry &entry, std::string *problem) {
    std::error_code ignored;
    std::filesystem::create_directories(history.parent_path(), ignored);
    // A trim by another process renames a new file into place while this one waits for the lock: the append
    // then goes to the file that stands there now.
    for (int attempt = 0; attempt < 8; ++attempt) {
        FileDescriptor fd(OpenHistory(history, O_RDWR | O_APPEND | O_CREAT));
        if (fd.Get() < 0) {
            Tell(problem, history, OpenProblem(errno), errno == EINVAL ? 0 : errno);
            return false;
        }
        if (::flock(fd.Get(), LOCK_EX) != 0) {
            Tell(problem, history, ReasonText(PLENTA_TEXT("journal", "kann nicht gesperrt werden")), errno);
            return false;
        }
        struct stat opened {};
        struct stat now {};
        if (::fstat(fd.Get(), &opened) != 0 || ::lstat(history.c_str(), &now) != 0 ||
            opened.st_dev != now.st_dev || opened.st_ino != now.st_ino) {
            continue;
        }
        // The history holds every record ever saved: only its owner reads it.
        if ((opened.st_mode & 07777) != 0600 && ::fchmod(fd.Get(), 0600) != 0) {
            Tell(problem, history,
                 ReasonText(PLENTA_TEXT("journal", "kann nicht privat gemacht werden (Modus 0600)")), errno);
            return false;
        }
        return AppendLocked(history, fd.Get(), entry, problem);
    }
    Tell(problem, history,
         ReasonText(PLENTA_TEXT("journal", "wurde immer wieder von einem anderen Programm ersetzt")));
    return false;
}

} // namespace plenta
