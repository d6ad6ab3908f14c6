// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target over the journal store: the line reader, the record reader, the scan, a save and a delete
// of the fuzzed journal, its export and its comparison with a copy of itself; every command must read each
// line as the scan does. A crash, a sanitizer report or a broken invariant stops the run.
//
// Input: four parameter bytes, then the journal's bytes. The parameters choose the saved and the deleted date
// (often a date the journal already holds), the temperature, the marks and the comment.
#include "journal/JournalEdit.h"
#include "journal/JournalExport.h"
#include "journal/JournalMerge.h"
#include "journal/JournalRecord.h"
#include "journal/JournalScan.h"
#include "journal/LineReader.h"
#include "journal/RecordReader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace plenta {
namespace {

using namespace std::chrono;

constexpr Date TODAY{year{2026}, month{12}, day{7}};
constexpr std::string_view HEADER = "Tag,Temperatur,Attribut,Kommentar\r\n";
constexpr std::array<std::string_view, 8> MARKS{"", "1", "S", "E", "X", "SE", "1SEX", "XS"};
constexpr std::array<std::string_view, 4> COMMENTS{"", "alk", "spät", "zu"};

void Require(bool holds, const char *what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// The folder the journal lives in during the run: memory-backed where there is one, so a run costs no disk.
const std::filesystem::path &Journal() {
    static const std::filesystem::path journal = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        const std::filesystem::path folder = base / ("plenta-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        return folder / "plenta.txt";
    }();
    static const int cleanup = std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(journal.parent_path(), ignored);
    });
    (void)cleanup;
    return journal;
}

// Plain POSIX calls: iostreams would cost more than the journal code under test.
void WriteJournal(std::string_view bytes) {
    const int fd = open(Journal().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    Require(fd >= 0 && write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()),
            "the journal is written");
    close(fd);
}

std::string ReadJournal() {
    std::string bytes;
    const int fd = open(Journal().c_str(), O_RDONLY | O_CLOEXEC);
    Require(fd >= 0, "the journal is there");
    char block[16 * 1024];
    for (ssize_t got; (got = read(fd, block, sizeof block)) > 0;) {
        bytes.append(block, static_cast<std::size_t>(got));
    }
    close(fd);
    return bytes;
}

bool TemporaryLeft() {
    return access((Journal().parent_path() / ".plenta.txt.tmp").c_str(), F_OK) == 0;
}

// Every line with its LF; a last line without one has its line end completed, as a rewrite carries it over.
std::vector<std::string> CarriedLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        if (lf == std::string_view::npos) {
            lines.emplace_back(bytes);
            lines.back() += bytes.back() == '\r' ? "\n" : "\r\n";
            break;
        }
        lines.emplace_back(bytes.substr(0, lf + 1));
        bytes.remove_prefix(lf + 1);
    }
    return lines;
}

bool IsRecordOf(std::string_view line, Date date) {
    const std::optional<RecordFields> record = RecordOfLine(line);
    return record && record->date == date;
}

// The line reader hands out the input exactly, one LF-terminated line at a time.
void CheckLineReader(std::string_view bytes) {
    const int fd = memfd_create("journal", 0);
    Require(fd >= 0 && write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                lseek(fd, 0, SEEK_SET) == 0,
            "memfd for the line reader");
    LineReader reader(fd, bytes.size());
    std::string joined;
    std::string_view line;
    while (reader.Next(line)) {
        Require(!line.empty(), "no empty line");
        const std::size_t lf = line.find('\n');
        Require(lf == std::string_view::npos ? joined.size() + line.size() == bytes.size()
                                             : lf == line.size() - 1,
                "a line ends at its first LF; only the last may lack one");
        joined += line;
    }
    Require(!reader.Failed() && joined == bytes, "the lines add up to the input");
    close(fd);
}

// Every line as the reader takes it apart; returns the dates of the records the scan counts: every line the
// one reading takes for a record, the last line without line end included, except the first (the header).
std::vector<Date> CheckRecords(std::string_view bytes) {
    std::vector<Date> dates;
    const std::vector<std::string> lines = CarriedLines(bytes);
    // The scan's reader, which keeps the month of the line before, reads every line as the rules do.
    RecordReader reader;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<RecordFields> record = ReadRecordByRules(StripLineEnd(lines[i]));
        RecordFields fields;
        const bool read = reader.Read(StripLineEnd(lines[i]), fields);
        Require(read == record.has_value() &&
                    (!read || (fields.date == record->date && fields.temperature == record->temperature &&
                               fields.attribute == record->attribute && fields.comment == record->comment &&
                               fields.marks == record->marks && fields.dateKey == record->dateKey)),
                "the scan's reader reads a line as the rules do");
        if (!record) {
            continue;
        }
        Require(record->date.ok() && record->dateKey == DateKey(lines[i]), "a record's date and key agree");
        Require(record->temperature >= 0 && record->temperature <= 999, "temperature of three digits");
        Require(record->attribute.size() <= MAX_ATTRIBUTE_CHARS, "attribute of at most four letters");
        Require(RecordOfLine(lines[i]).has_value(), "the one reading agrees with the reader");
        if (i > 0) {
            dates.push_back(record->date);
        }
    }
    return dates;
}

void CheckScan(std::string_view bytes, const std::vector<Date> &records, Date picked) {
    const std::optional<JournalScan> scan = LoadJournal(Journal(), picked, TODAY);
    Require(scan.has_value(), "the scan opens the journal");
    Require(scan->stats.recordCount == static_cast<std::int32_t>(records.size()),
            "the scan counts every record");
    Require(scan->table.count == std::min<std::int32_t>(scan->stats.recordCount, DAYPOINT_CAPACITY),
            "the table keeps the most recent records");
    for (std::int32_t i = 0; i < scan->table.count; ++i) {
        Require(scan->table.points[static_cast<std::size_t>(i)].cycleDay <= MAX_CYCLE_DAY, "cycle day 0..35");
    }
    Require(scan->selection.hasEntry == (std::find(records.begin(), records.end(), picked) != records.end()),
            "the form shows the picked date's record when the scan counts one");
    Require(ReadJournal() == bytes, "a scan never writes");
}

// The export lists exactly the records the scan counts; a copy holding the journal's lines under a header of
// its own holds every record of the journal and no other.
void CheckExportAndCopies(std::string_view bytes, const std::vector<Date> &records) {
    const std::optional<std::vector<ExportRow>> rows = ReadExportRows(Journal());
    Require(rows && rows->size() == records.size(), "the export lists every record the scan counts");
    for (std::size_t i = 0; i < records.size(); ++i) {
        Require((*rows)[i].date == records[i], "the export's rows are the scan's records");
    }
    const std::filesystem::path copy = Journal().parent_path() / "copy.txt";
    const std::size_t lf = bytes.find('\n');
    WriteJournal(std::string(HEADER) + std::string(lf == std::string_view::npos ? "" : bytes.substr(lf + 1)));
    std::filesystem::rename(Journal(), copy);
    WriteJournal(bytes);
    const std::optional<std::vector<CopyComparison>> compared = CompareWithJournal(Journal(), {&copy, 1});
    std::vector<Date> distinct = records;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    Require(compared && (*compared)[0].readable && (*compared)[0].counts.added == 0 &&
                (*compared)[0].counts.conflicts == 0 &&
                (*compared)[0].counts.same == static_cast<int>(distinct.size()),
            "a copy of the journal's lines holds the same records");
    std::filesystem::remove(copy);
}

// The save leaves every other line byte for byte, drops the date's records, places the new record before the
// first later line, and the scan then shows the saved values.
void CheckSave(std::string_view bytes, const EntryValues &entry) {
    const EditOutcome outcome = SaveEntry(Journal(), entry, Durability::NoFsync);
    const std::string record = FormatRecord(entry.date, entry.temperature, entry.marks, entry.comment);
    const std::vector<std::string> before = CarriedLines(bytes);
    std::vector<std::string> expected =
        bytes.empty() ? std::vector<std::string>{std::string(HEADER)} : before;
    const auto end = std::remove_if(expected.begin() + 1, expected.end(),
                                    [&](const std::string &line) { return IsRecordOf(line, entry.date); });
    const bool replaced = end != expected.end();
    expected.erase(end, expected.end());
    Require(outcome == (replaced ? EditOutcome::Replaced : EditOutcome::Saved), "the save's message");

    std::vector<std::string> after = CarriedLines(ReadJournal());
    const auto position =
        std::find(after.begin() + std::min<std::size_t>(1, after.size()), after.end(), record);
    Require(position != after.end(), "the saved record is in the journal");
    // The record goes before the first line after the header whose date is the same or later: everything
    // before that line stays in front of it.
    const std::int32_t key = DateKey(record);
    const std::vector<std::string> &original = bytes.empty() ? expected : before;
    const auto later = std::find_if(original.begin() + 1, original.end(),
                                    [&](const std::string &line) { return DateKey(line) >= key; });
    Require(std::equal(after.begin(), position, original.begin(), later), "the record stands at its date");
    after.erase(position);
    Require(after == expected, "every other line stays byte for byte");
    Require(!TemporaryLeft(), "no temporary file left");

    const std::optional<JournalScan> scan = LoadJournal(Journal(), entry.date, TODAY);
    Require(scan && scan->selection.hasEntry && scan->selection.temperature == entry.temperature &&
                scan->selection.marks == entry.marks && scan->selection.comment == entry.comment,
            "the scan shows the saved values");
}

// The delete removes the date's records, as the scan reads them, and nothing else.
void CheckDelete(std::string_view bytes, Date date) {
    WriteJournal(bytes);
    Require(DeleteDayEntries(Journal(), date, Durability::NoFsync) == EditOutcome::Deleted,
            "the delete's message");
    std::vector<std::string> expected = CarriedLines(bytes);
    if (!expected.empty()) {
        expected.erase(std::remove_if(expected.begin() + 1, expected.end(),
                                      [&](const std::string &line) { return IsRecordOf(line, date); }),
                       expected.end());
    }
    Require(CarriedLines(ReadJournal()) == expected, "every other line stays byte for byte");
    Require(!TemporaryLeft(), "no temporary file left");
    const std::optional<JournalScan> scan = LoadJournal(Journal(), date, TODAY);
    Require(scan && !scan->selection.hasEntry, "no record of the deleted date");
}

// A date the journal holds (when the parameter's low bit is clear), or one from the parameters.
Date PickDate(std::uint8_t high, std::uint8_t low, const std::vector<Date> &records) {
    if ((high & 1) == 0 && !records.empty()) {
        return records[low % records.size()];
    }
    return sys_days{year{1990} / January / 1} + days{(high >> 1) * 256 + low};
}

} // namespace
} // namespace plenta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace plenta;
    if (size < 4) {
        return 0;
    }
    const std::string_view bytes(reinterpret_cast<const char *>(data) + 4, size - 4);
    CheckLineReader(bytes);
    const std::vector<Date> records = CheckRecords(bytes);

    const EntryValues entry{.date = PickDate(data[0], data[1], records),
                            .temperature = (data[2] * 4 + data[3]) % 1000,
                            .marks = std::string(MARKS[data[3] % MARKS.size()]),
                            .comment = std::string(COMMENTS[(data[0] >> 1) % COMMENTS.size()])};
    WriteJournal(bytes);
    CheckScan(bytes, records, entry.date);
    CheckExportAndCopies(bytes, records);
    CheckSave(bytes, entry); // on the journal as written: the scan has just proved it unchanged
    CheckDelete(bytes, PickDate(data[2], data[3], records));
    return 0;
}
