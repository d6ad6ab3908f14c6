// SPDX-License-Identifier: GPL-3.0-or-later
// The scan: reads the journal once in large blocks and feeds every well-formed record to the cycle counter,
// the comment list and the picked date's selection.
#include "journal/JournalScan.h"

#include "journal/CodePage.h"
#include "journal/CommentList.h"
#include "journal/CycleCounter.h"
#include "journal/FileDescriptor.h"
#include "journal/JournalLinks.h"
#include "journal/JournalLock.h"
#include "journal/JournalRecord.h"
#include "journal/JournalTarget.h"
#include "journal/LineReader.h"
#include "journal/ReasonText.h"
#include "journal/RecordReader.h"
#include "journal/WriterWait.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace plenta {

std::string SelectionDateText(Date date) {
    return FormatDate(DateStyle::Selection, date);
}

std::optional<JournalScan> LoadJournal(const std::filesystem::path &journal, Date picked, Date today,
                                       LoadFailure *failure) {
    // Nearly always the journal is a plain file, not a link: one lstat tells so, and spares the resolution's
    // and the type check's own calls; the descriptor's fstat checks the type again after the open.
    struct stat info {};
    const bool plainFile = journal.native().find('\0') == std::string::npos &&
                           ::lstat(journal.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    // A plain file is its own target, used as it is rather than copied.
    const std::optional<std::filesystem::path> resolved =
        plainFile ? std::nullopt : ResolveJournalTarget(journal);
    const std::filesystem::path *const target = plainFile ? &journal : resolved ? &*resolved : nullptr;
    const auto fail = [&](std::string reason) {
        if (failure != nullptr) {
            *failure = {target != nullptr ? *target : journal, std::move(reason)};
        }
        return std::nullopt;
    };
    // A symlinked journal is locked beside its target, where a rewrite through any path to it locks too. Only
    // a regular file is read; a FIFO or a device in its place is never waited on, nor a lock made beside it.
    if (target == nullptr) {
        return fail(
            ReasonText(PLENTA_TEXT("journal", "ist ein Kreis aus Links oder kein möglicher Dateiname")));
    }
    if (!plainFile) {
        if (const std::optional<RefusedLink> refused = RefuseJournalLinks(journal)) {
            if (failure != nullptr) {
                *failure = {refused->link, refused->reason};
            }
            return std::nullopt;
        }
    }
    if (!plainFile && IsNonRegularFile(*target)) {
        return fail(ReasonText(PLENTA_TEXT("journal", "ist keine reguläre Datei")));
    }
    // A folder where no lock file can be made is read-only, so no rewrite can run there and the scan goes on
    // without the lock; a lock held by a writer for over a second counts as a journal that cannot be opened.
    const JournalLock lock(*target, LockMode::Shared);
    if (!lock.Held() && !lock.Unavailable()) {
        return fail(ReasonText(PLENTA_TEXT("journal", "ist von einem anderen Programm gesperrt")));
    }
    const FileDescriptor file(plainFile ? OpenForReading(*target) : OpenRegularForReading(*target));
    const int openError = errno;
    const std::optional<std::size_t> size = file.RegularSize();
    if (!size) {
        return fail(file.Get() < 0 ? ReasonText(PLENTA_TEXT("journal", "kann nicht geöffnet werden: %1"),
                                                {std::strerror(openError)})
                                   : ReasonText(PLENTA_TEXT("journal", "kann nicht gelesen werden")));
    }

    // Built where the caller receives it: the point table is a few kilobytes, not to be copied on the way.
    std::optional<JournalScan> result(std::in_place);
    JournalScan &scan = *result;
    scan.selection.date = SelectionDateText(picked);
    // The picked date's records are those the reader gives that date, however their lines spell it.
    const std::int32_t pickedKey = static_cast<int>(picked.year()) * 10000 +
                                   static_cast<int>(static_cast<unsigned>(picked.month())) * 100 +
                                   static_cast<int>(static_cast<unsigned>(picked.day()));
    CycleCounter counter(scan.table);
    CommentList comments;
    LineReader lines(file.Get(), *size, MAX_LINE_BYTES);
    RecordReader reader;
    RecordFields record;
    std::string_view line;
    bool header = true;
    while (lines.Next(line)) {
        if (std::exchange(header, false)) {
            continue;
        }
        // A last line without line end is a line, unless another program is still writing it.
        if (line.back() != '\n' && LastLineStillWritten(file.Get())) {
            continue;
        }
        if (!reader.Read(StripLineEnd(line), record)) {
            continue;
        }
        if (record.dateKey == pickedKey) {
            scan.selection.hasEntry = true;
            scan.selection.marks = Cp1252ToUtf8(record.attribute);
            scan.selection.comment = Cp1252ToUtf8(record.comment);
            scan.selection.temperature = record.temperature;
        }
        comments.Add(record.comment);
        counter.Add(record.dayNumber, record.temperature, record.marks);
    }
    counter.Finish(today, picked, scan.stats);
    scan.comments = comments.Take();
    return result;
}

} // namespace plenta
