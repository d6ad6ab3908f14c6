// SPDX-License-Identifier: GPL-3.0-or-later
// Finds what a rewrite changed by comparing the journal before and after it, so that every command records
// alike without knowing the history; only the span between the common head and tail is looked at closely.
#include "journal/RecordedRewrite.h"

#include "journal/JournalRecord.h"

#include <algorithm>
#include <ctime>
#include <optional>
#include <utility>

namespace plenta {
namespace {

// Calls `visit` for every line after the header, as stored: a last line without LF comes as it is.
template <typename Visit> void ForEachRecordLine(std::string_view content, Visit visit) {
    bool header = true;
    while (!content.empty()) {
        const std::size_t lf = content.find('\n');
        const std::size_t end = lf == std::string_view::npos ? content.size() : lf + 1;
        if (!std::exchange(header, false)) {
            visit(content.substr(0, end));
        }
        content.remove_prefix(end);
    }
}

// The line with a line end, as ForEachCarriedLine carries a last line over.
std::string Carried(std::string_view line) {
    std::string carried(line);
    if (carried.back() != '\n') {
        carried += carried.back() == '\r' ? "\n" : "\r\n";
    }
    return carried;
}

// The date keys of the records in the part where two versions differ: from the start of the first differing
// line to the end of the last one, in each version.
std::set<std::int32_t> KeysWhereDiffering(std::string_view old, std::string_view now) {
    const std::size_t common = std::min(old.size(), now.size());
    std::size_t head = 0;
    while (head < common && old[head] == now[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < common - head && old[old.size() - 1 - tail] == now[now.size() - 1 - tail]) {
        ++tail;
    }
    const auto lineStart = [](std::string_view text, std::size_t pos) {
        const std::size_t lf = pos == 0 ? std::string_view::npos : text.rfind('\n', pos - 1);
        return lf == std::string_view::npos ? 0 : lf + 1;
    };
    std::set<std::int32_t> keys;
    for (const std::string_view text : {old, now}) {
        const std::size_t start = lineStart(text, head);
        // The last differing line reaches into the common tail: it is taken whole.
        const std::size_t lineEnd = text.find('\n', text.size() - tail);
        const std::size_t end = lineEnd == std::string_view::npos ? text.size() : lineEnd;
        std::string_view part = text.substr(start, end > start ? end - start : 0);
        while (!part.empty()) {
            const std::size_t lf = part.find('\n');
            if (const std::optional<RecordFields> record = RecordOfLine(part.substr(0, lf))) {
                keys.insert(record->dateKey);
            }
            part.remove_prefix(lf == std::string_view::npos ? part.size() : lf + 1);
        }
    }
    return keys;
}

std::string UtcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    ::gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

Date DateOfKey(std::int32_t key) {
    return Date{std::chrono::year{key / 10000}, std::chrono::month{static_cast<unsigned>(key / 100 % 100)},
                std::chrono::day{static_cast<unsigned>(key % 100)}};
}

} // namespace

std::int32_t KeyOfDate(Date date) {
    return static_cast<int>(date.year()) * 10000 +
           static_cast<std::int32_t>(static_cast<unsigned>(date.month())) * 100 +
           static_cast<std::int32_t>(static_cast<unsigned>(date.day()));
}

DatedLines RecordsOfDates(std::string_view content, const std::set<std::int32_t> &keys) {
    DatedLines lines;
    if (keys.empty()) {
        return lines;
    }
    ForEachRecordLine(content, [&](std::string_view line) {
        if (const std::optional<RecordFields> record = RecordOfLine(line);
            record && keys.contains(record->dateKey)) {
            lines[record->dateKey].push_back(Carried(line));
        }
    });
    return lines;
}

std::vector<DateChange> ChangedDates(std::string_view old, std::string_view now) {
    // The header is no record, so a change of the header alone (an empty journal getting one) finds no key.
    const std::set<std::int32_t> keys = KeysWhereDiffering(old, now);
    DatedLines before = RecordsOfDates(old, keys);
    DatedLines after = RecordsOfDates(now, keys);
    std::vector<DateChange> changes;
    for (const std::int32_t key : keys) {
        if (before[key] != after[key]) {
            changes.push_back({DateOfKey(key), std::move(before[key]), std::move(after[key])});
        }
    }
    return changes;
}

RewriteStatus RecordedRewrite(const std::filesystem::path &journal, MissingJournal missing,
                              Durability durability, const JournalTransform &transform,
                              RewriteFailure *failure, ChangeRecording *recording, const ChangeName &name) {
    if (recording == nullptr || recording->history.empty()) {
        return RewriteJournal(journal, missing, durability, transform, failure);
    }
    recording->status = RecordStatus::NotRecorded;
    std::vector<DateChange> changes;
    const auto recordingTransform = [&](std::string_view old, std::string &out) {
        transform(old, out);
        // Of several runs the last one's content is published, so its changes are the ones kept.
        changes = ChangedDates(old, out);
    };
    const auto published = [&] {
        if (changes.empty()) {
            return;
        }
        HistoryEntry entry{
            0,           UtcNow(),          std::string(name.command), HistoryJournalName(journal),
            name.undoes, std::move(changes)};
        recording->status = AppendHistoryEntry(recording->history, entry, &recording->problem)
                                ? RecordStatus::Recorded
                                : RecordStatus::Failed;
    };
    return RewriteJournal(journal, missing, durability, recordingTransform, failure, published);
}

} // namespace plenta
