// Runs the journal library's scan and edits and turns their outcome into output and an exit code.
#include "JournalCommands.h"

#include "ShowJson.h"

#include "journal/JournalRewrite.h"
#include "journal/JournalScan.h"
#include <StringTable.h>

#include <iostream>
#include <optional>

namespace plenta {
namespace {

ExitCode CannotOpen(const std::filesystem::path &journal, const LoadFailure &failure) {
    return Fail(ExitCode::Failure, "cannot open the journal '" + journal.string() + "': '" +
                                       failure.file.string() + "' " + failure.reason);
}

// Success messages go to stdout, failures to stderr, each exactly the text the program's message box shows.
// A failed rewrite then names the file and the system's error, which the window's one message cannot.
ExitCode Report(EditOutcome outcome, const RewriteFailure &failure) {
    const std::string_view message = LoadText(MessageOf(outcome));
    if (Succeeded(outcome)) {
        std::cout << message << '\n';
        return ExitCode::Success;
    }
    std::cerr << message << '\n';
    if (!failure.reason.empty()) {
        Fail(ExitCode::Failure, "'" + failure.file.string() + "' " + failure.reason);
    }
    return ExitCode::Failure;
}

} // namespace

ExitCode RunStats(const std::filesystem::path &journal, Date today) {
    LoadFailure failure;
    const std::optional<JournalScan> scan = LoadJournal(journal, today, today, &failure);
    if (!scan) {
        return CannotOpen(journal, failure);
    }
    std::cout << scan->stats.statisticsText << '\n';
    return ExitCode::Success;
}

ExitCode RunShow(const std::filesystem::path &journal, Date picked, Date today) {
    LoadFailure failure;
    const std::optional<JournalScan> scan = LoadJournal(journal, picked, today, &failure);
    if (!scan) {
        return CannotOpen(journal, failure);
    }
    std::cout << ScanToJsonText(*scan) << '\n';
    return ExitCode::Success;
}

ExitCode RunSave(const std::filesystem::path &journal, const EntryValues &entry) {
    RewriteFailure failure;
    const EditOutcome outcome = SaveEntry(journal, entry, Durability::Fsync, &failure);
    return Report(outcome, failure);
}

ExitCode RunDelete(const std::filesystem::path &journal, Date date) {
    RewriteFailure failure;
    const EditOutcome outcome = DeleteDayEntries(journal, date, Durability::Fsync, &failure);
    return Report(outcome, failure);
}

} // namespace plenta
