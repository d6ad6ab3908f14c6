// One reading of every line: hand-edited lines at the start, in the middle and at the end of a journal, and
// every command run on that journal (scan, form, save, delete, export, conflicts, merge) must agree on whether
// the line is a record, and of which date.
#include "journal/FormSelection.h"
#include "journal/JournalEdit.h"
#include "journal/JournalExport.h"
#include "journal/JournalMerge.h"
#include "journal/JournalRecord.h"
#include "journal/JournalScan.h"
#include "TempFolder.h"

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
    {"comment beyond the form's typing", Padded("2003/04/05,36.5,E,", 300), DAY, std::string(282, 'w'),
     true},
    {"longest record", Padded("2003/04/05,36.5,,", MAX_RECORD_TEXT_BYTES), DAY,
     std::string(MAX_RECORD_TEXT_BYTES - 17, 'w'), true},
    {"one byte beyond the line bound", Padded("2003/04/05,36.5,,", MAX_RECORD_TEXT_BYTES + 1), std::nullopt},
    {"far beyond the line bound", Padded("2003/04/05,36.5,,", 3 * MAX_LINE_BYTES), std::nullopt},
    {"first day with a day number", "1601/01/01,36.5,,", Date{year{1601}, month{1}, day{1}}},
    {"before day numbers", "1600/12/31,36.5,,", std::nullopt},
    {"three decimals", "2003/04/05,36.55,,", std::nullopt},
    {"no calendar date", "2003/02/29,36.5,,", std::nullopt},
};

enum class Place { Start, Middle, End };

class LineReadingTest : public testing::TestWithParam<std::tuple<Line, Place>> {
protected:
    // The journal: the line first, between two records, or last without a line end.
    std::string Journal() const {
        const auto &[line, place] = GetParam();
        switch (place) {
        case Place::Start:
            return test::HEADER + line.text + "\r\n" + BEFORE + AFTER;
        case Place::Middle:
            return test::HEADER + BEFORE + line.text + "\r\n" + AFTER;
        case Place::End:
            break;
        }
        return test::HEADER + BEFORE + AFTER + line.text;
    }
    // The journal as a rewrite carries it: the last line gets its CR LF.
    std::string Carried() const {
        const std::string journal = Journal();
        return journal.ends_with('\n') ? journal : journal + "\r\n";
    }
    // The date the commands are asked about: the line's own, or the day it would be of.
    Date Asked() const { return std::get<0>(GetParam()).date.value_or(DAY); }
    bool IsRecord() const { return std::get<0>(GetParam()).date.has_value(); }
    // Whether it is a record of the date the copy holds another record of.
    bool OfDay() const { return std::get<0>(GetParam()).date == DAY; }
    std::string LineWithEnd() const { return std::get<0>(GetParam()).text + "\r\n"; }

    void Reset() const { test::WriteBytes(folder_.Journal(), Journal()); }

    test::TempFolder folder_;
};

TEST_P(LineReadingTest, EveryCommandReadsTheLineAsTheScanDoes) {
    const Line &line = std::get<0>(GetParam());
    const int records = IsRecord() ? 3 : 2;
    const std::string carried = Carried();
    std::string without = carried;
    without.erase(without.find(LineWithEnd()), LineWithEnd().size());

    Reset();
    const std::optional<JournalScan> scan = LoadJournal(folder_.Journal(), Asked(), TODAY);
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->stats.recordCount, records);
    EXPECT_EQ(scan->selection.hasEntry, IsRecord());
    EXPECT_EQ(scan->selection.comment, IsRecord() ? line.comment : "");
    const FormSelection form = FormSelectionOf(scan->selection, scan->comments);
    EXPECT_EQ(form.selection.comment, line.comment);
    if (!line.comment.empty()) {
        ASSERT_GE(form.commentItem, 0) << "the form selects the day's own comment";
        EXPECT_EQ(scan->comments[static_cast<std::size_t>(form.commentItem)], line.comment);
    }

    const std::optional<std::vector<ExportRow>> rows = ReadExportRows(folder_.Journal());
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->size(), static_cast<std::size_t>(records));
    EXPECT_EQ(std::ranges::count(*rows, Asked(), &ExportRow::date), IsRecord() ? 1 : 0);

    // A copy holding another record of the date conflicts with the line only when it is a record; a copy
    // holding the journal's own lines (its first line a record when it is one) matches every record.
    const std::filesystem::path copy = folder_ / "copy.txt";
    const std::filesystem::path itself = folder_ / "itself.txt";
    test::WriteBytes(copy, COPY_RECORD + "\r\n");
    test::WriteBytes(itself, carried.substr(test::HEADER.size()));
    const std::vector<std::filesystem::path> copies{copy, itself};
    const std::optional<std::vector<CopyComparison>> compared = CompareWithJournal(folder_.Journal(), copies);
    ASSERT_TRUE(compared);
    EXPECT_EQ((*compared)[0].counts.added, OfDay() ? 0 : 1);
    EXPECT_EQ((*compared)[0].counts.conflicts, OfDay() ? 1 : 0);
    EXPECT_EQ((*compared)[1].counts.same, records);
    EXPECT_EQ((*compared)[1].counts.conflicts + (*compared)[1].counts.added, 0);
    const bool firstLine = std::get<1>(GetParam()) == Place::Start;
    EXPECT_EQ((*compared)[1].malformed, IsRecord() || firstLine ? 0u : 1u) << "else the copy's header";

    const MergeResult merged = MergeIntoJournal(folder_.Journal(), std::span(&copy, 1), MergePreference::Other,
                                                MergedFiles::Keep, Durability::NoFsync);
    ASSERT_EQ(merged.status, MergeStatus::Merged);
    const std::string afterMerge = test::ReadBytes(folder_.Journal());
    EXPECT_EQ(afterMerge.find(LineWithEnd()) != std::string::npos, !OfDay())
        << "a line that is no record stays; a record of the date gives way to the preferred copy's";
    EXPECT_NE(afterMerge.find(COPY_RECORD), std::string::npos);

    Reset();
    EXPECT_EQ(DeleteDayEntries(folder_.Journal(), Asked(), Durability::NoFsync), EditOutcome::Deleted);
    EXPECT_EQ(test::ReadBytes(folder_.Journal()), IsRecord() ? without : carried);

    // The form's save of the day as shown: a record is replaced by one that reads back the same, a line that
    // is no record stays beside the new one (or, before 1601, the save is refused).
    Reset();
    const EntryValues entry{Asked(), form.selection.temperature, form.selection.marks, form.selection.comment};
    EXPECT_EQ(SaveEntry(folder_.Journal(), entry, Durability::NoFsync),
              IsRecord() ? EditOutcome::Replaced : EditOutcome::Saved);
    const std::string afterSave = test::ReadBytes(folder_.Journal());
    if (!IsRecord()) {
        EXPECT_NE(afterSave.find(LineWithEnd()), std::string::npos) << "a line that is no record stays";
    } else if (line.asWritten && std::get<1>(GetParam()) != Place::End) {
        EXPECT_EQ(afterSave, carried) << "the record where it stands, byte for byte";
    }
    const std::optional<JournalScan> again = LoadJournal(folder_.Journal(), Asked(), TODAY);
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
