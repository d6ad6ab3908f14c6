// SPDX-License-Identifier: GPL-3.0-or-later
// One reading of every line: hand-edited lines at the start, in the middle and at the end of a journal, and
// every command run on that journal (scan, form, save, delete, export, conflicts, merge) must agree on
// whether the line is a record, and of which date.
#include "TempFolder.h"
#include "journal/FormSelection.h"
#include "journal/JournalEdit.h"
#include "journal/JournalExport.h"
#include "journal/JournalMerge.h"
#include "journal/JournalRecord.h"
#include "journal/JournalScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>

namespace plenta {
namespace {

using namespace std::chrono;

constexpr Date DAY{year{2003}, month{4}, day{5}};
constexpr Date TODAY{year{2026}, month{12}, day{7}};
const std::string BEFORE = "2003/04/01,36.4,1,\r\n";
const std::string AFTER = "2003/04/09,36.6,,\r\n";
// A copy's record of the line's date that no hand-edited line equals.
const std::string COPY_RECORD = "2003/04/05,37.1,X,aus der Kopie";

struct Line {
    const char *what;
    std::string text;         // without line end
    std::optional<Date> date; // the date it is a record of, or none
    std::string comment = ""; // as the form shows it
    bool asWritten = false;   // laid out as a save writes it: saved again in place, the same bytes
};

// The line's name for a failure, not its up to 192 KiB of bytes.
void PrintTo(const Line &line, std::ostream *out) {
    *out << line.what;
}

std::string Padded(std::string head, std::size_t size) {
    head.resize(size, 'w');
    return head;
}

const Line LINES[] = {
    {"as written", "2003/04/05,36.5,1S,Kopfweh", DAY, "Kopfweh", true},
    {"dashes", "2003-04-05,36.5,1S,x", DAY, "x"},
    {"short month", "2003/4/05 ,36.5,1S,x", DAY, "x"},
    {"blank-padded numbers", "2003/ 4/ 5,36.5,1S,x", DAY, "x"},
    {"NUL ends the text", std::string("2003/04/05,36.5,S,ab\0cd", 23), DAY, "ab"},
    {"comment of several words and commas", "2003/04/05,36.5,,spaet, muede; ", DAY, "spaet, muede"},
    {"comment beyond the form's typing", Padded("2003/04/05,36.5,E,", 300), DAY, std::string(282, 'w'), true},
    {"longest record", Padded("2003/04/05,36.5,,", MAX_RECORD_TEXT_BYTES), DAY,
     std::string(MAX_RECORD_TEXT_BYTES - 17, 'w'), true},
    {"one byte beyond the line bound", Padded("2003/04/05,36.5,,", MAX_RECORD_TEXT_BYTES + 1), std::nullopt},
    {"far beyond the line bound", Padded("2003/04/05,36.5,,", 3 * MAX_LINE_BYTES), std::nullopt},
    {"first day with a day number", "1601/01/01,36.5,,", Date{year{1601}, month{1}, day{1}}},
    {"before day numbers", "1600/12/31,36.5,,", std::nullopt},
    {"three decimals", "2003/04/05,36.55,,", std::nullopt},
};

enum class Place { Start, Middle, End };

class LineReadingTest : public testing::TestWithParam<std::tuple<Line, Place>> {
protected:
    const Line &line_ = std::get<0>(GetParam());
    const Place place_ = std::get<1>(GetParam());
    // The line first, between two records, or last without a line end.
    const std::string journal_ = place_ == Place::Start ? test::HEADER + line_.text + "\r\n" + BEFORE + AFTER
                                 : place_ == Place::Middle
                                     ? test::HEADER + BEFORE + line_.text + "\r\n" + AFTER
                                     : test::HEADER + BEFORE + AFTER + line_.text;
    const std::string withEnd_ = line_.text + "\r\n";
    // The date the commands are asked about: the line's own, or the day it would be of.
    const Date asked_ = line_.date.value_or(DAY);
    const bool isRecord_ = line_.date.has_value();
    const bool ofDay_ = line_.date == DAY; // a record of the date the copy holds another record of
    test::TempFolder folder_;
};

TEST_P(LineReadingTest, EveryCommandReadsTheLineAsTheScanDoes) {
    const int records = isRecord_ ? 3 : 2;
    // As a rewrite carries the journal: the last line gets its CR LF.
    const std::string carried = journal_.ends_with('\n') ? journal_ : journal_ + "\r\n";
    test::WriteBytes(folder_.Journal(), journal_);
    const std::optional<JournalScan> scan = LoadJournal(folder_.Journal(), asked_, TODAY);
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->stats.recordCount, records);
    EXPECT_EQ(scan->selection.hasEntry, isRecord_);
    const FormSelection form = FormSelectionOf(scan->selection, scan->comments);
    EXPECT_EQ(form.selection.comment, line_.comment);
    EXPECT_EQ(form.commentItem < 0, line_.comment.empty()) << "the form selects the day's own comment";

    const std::optional<std::vector<ExportRow>> rows = ReadExportRows(folder_.Journal());
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->size(), static_cast<std::size_t>(records));
    EXPECT_EQ(std::ranges::count(*rows, asked_, &ExportRow::date), isRecord_ ? 1 : 0);

    // A copy with another record of the date conflicts only with a record of it; a copy of the journal's
    // lines without its header (its first line a record when it is one) holds the same records.
    const std::filesystem::path copies[] = {folder_ / "copy.txt", folder_ / "itself.txt"};
    test::WriteBytes(copies[0], COPY_RECORD + "\r\n");
    test::WriteBytes(copies[1], carried.substr(test::HEADER.size()));
    const std::optional<std::vector<CopyComparison>> compared = CompareWithJournal(folder_.Journal(), copies);
    ASSERT_TRUE(compared);
    EXPECT_EQ((*compared)[0].counts.added, ofDay_ ? 0 : 1);
    EXPECT_EQ((*compared)[0].counts.conflicts, ofDay_ ? 1 : 0);
    EXPECT_EQ((*compared)[1].counts.same, records);
    EXPECT_EQ((*compared)[1].counts.conflicts + (*compared)[1].counts.added, 0);
    EXPECT_EQ((*compared)[1].malformed, isRecord_ || place_ == Place::Start ? 0u : 1u);

    const MergeResult merged =
        MergeIntoJournal(folder_.Journal(), std::span(copies, 1), MergePreference::Other, MergedFiles::Keep,
                         Durability::NoFsync);
    ASSERT_EQ(merged.status, MergeStatus::Merged);
    const std::string afterMerge = test::ReadBytes(folder_.Journal());
    EXPECT_EQ(afterMerge.find(withEnd_) != std::string::npos, !ofDay_) << "only a record gives way";
    EXPECT_NE(afterMerge.find(COPY_RECORD), std::string::npos);

    test::WriteBytes(folder_.Journal(), journal_);
    EXPECT_EQ(DeleteDayEntries(folder_.Journal(), asked_, Durability::NoFsync), EditOutcome::Deleted);
    std::string deleted = carried;
    if (isRecord_) {
        deleted.erase(deleted.find(withEnd_), withEnd_.size());
    }
    EXPECT_EQ(test::ReadBytes(folder_.Journal()), deleted);

    // The form's save of the day as shown replaces a record by one that reads back the same (in place, a line
    // laid out as a save writes it keeps its bytes); a line that is no record stays.
    test::WriteBytes(folder_.Journal(), journal_);
    const EntryValues entry{asked_, form.selection.temperature, form.selection.marks, form.selection.comment};
    EXPECT_EQ(SaveEntry(folder_.Journal(), entry, Durability::NoFsync),
              isRecord_ ? EditOutcome::Replaced : EditOutcome::Saved);
    const std::string afterSave = test::ReadBytes(folder_.Journal());
    if (!isRecord_) {
        EXPECT_NE(afterSave.find(withEnd_), std::string::npos);
    } else if (line_.asWritten && place_ != Place::End) {
        EXPECT_EQ(afterSave, carried);
    }
    const std::optional<JournalScan> again = LoadJournal(folder_.Journal(), asked_, TODAY);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->stats.recordCount, 3);
    EXPECT_EQ(again->selection.comment, form.selection.comment);
    EXPECT_EQ(again->selection.marks, form.selection.marks);
}

INSTANTIATE_TEST_SUITE_P(HandEditedLines, LineReadingTest,
                         testing::Combine(testing::ValuesIn(LINES),
                                          testing::Values(Place::Start, Place::Middle, Place::End)),
                         [](const auto &info) {
                             std::string name = std::get<0>(info.param).what;
                             std::ranges::replace_if(
                                 name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
                                 '_');
                             return name + "_" + std::to_string(info.index);
                         });

} // namespace
} // namespace plenta
