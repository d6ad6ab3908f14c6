// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the journal library's scan and edits and turns their outcome into output and an exit code.
#include "JournalCommands.h"

#include "FailureCause.h"
#include "HistoryCommands.h"
#include "ShowJson.h"

#include "journal/JournalRewrite.h"
#include "journal/JournalScan.h"
#include "journal/StatisticsText.h"
#include "platform/LocalText.h"
#include <StringTable.h>

#include <iostream>
#include <optional>

namespace plenta {
namespace {

// Success messages go to stdout, failures to stderr, each exactly the text the program's message box shows.
// A failed rewrite then names the file and the system's error, which the window's one message cannot.
ExitCode Report(const std::filesystem::path &journal, EditOutcome outcome, const RewriteFailure &failure,
                const ChangeRecording &recording) {
    const std::string_view message = LocalText("StringTable", LoadText(MessageOf(outcome)));
    if (Succeeded(outcome)) {
        std::cout << message << '\n';
        return AfterRecording(recording, ExitCode::Success);
    }
    std::cerr << message << '\n';
    return Fail(ExitCode::Failure, FailureCause(journal, failure.file, failure.reason));
}

} // namespace

ExitCode RunStats(const std::filesystem::path &journal, Date today) {
    LoadFailure failure;
    const std::optional<JournalScan> scan = LoadJournal(journal, today, today, &failure);
    if (!scan) {
        return CannotOpenJournal(journal, failure.file, failure.reason);
    }
    // The journal library's text is German; under another language the same numbers fill the translation.
    std::cout << StatisticsText(scan->stats, LocalText("StringTable", LoadText(StringId::StatisticsFormat)),
                                LocalText("StringTable", LoadText(StringId::NextPeriodUnknown)))
              << '\n';
    return ExitCode::Success;
}

ExitCode RunShow(const std::filesystem::path &journal, Date picked, Date today) {
    LoadFailure failure;
    const std::optional<JournalScan> scan = LoadJournal(journal, picked, today, &failure);
    if (!scan) {
        return CannotOpenJournal(journal, failure.file, failure.reason);
    }
    std::cout << ScanToJsonText(*scan) << '\n';
    return ExitCode::Success;
}

ExitCode RunSave(const std::filesystem::path &journal, const std::filesystem::path &history,
                 const EntryValues &entry) {
    RewriteFailure failure;
    ChangeRecording recording{history};
    const EditOutcome outcome = SaveEntry(journal, entry, Durability::Fsync, &failure, &recording);
    return Report(journal, outcome, failure, recording);
}

ExitCode RunDelete(const std::filesystem::path &journal, const std::filesystem::path &history, Date date) {
    RewriteFailure failure;
    ChangeRecording recording{history};
    const EditOutcome outcome = DeleteDayEntries(journal, date, Durability::Fsync, &failure, &recording);
    return Report(journal, outcome, failure, recording);
}

} // namespace plenta
