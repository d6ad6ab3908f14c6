// SPDX-License-Identifier: GPL-3.0-or-later
// plenta-journal: command-line access to the journal the window program keeps. Parses the command line,
// checks every value before anything is read or written, and hands over to one command.
#include "ChartExport.h"
#include "ExitCode.h"
#include "ExportCommand.h"
#include "HistoryCommands.h"
#include "ImportCommand.h"
#include "JournalCommands.h"
#include "JournalLocation.h"
#include "SyncCommands.h"
#include "UsageChecks.h"

#include "platform/LocalToday.h"
#include <CLI/CLI.hpp>
#include <PlentaVersion.h>

#include <csignal>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace {

using namespace plenta;

// What the command line said, as typed; checked and converted only after parsing succeeded.
struct CommandLine {
    std::optional<std::string> journal;
    std::optional<std::string> today;
    std::optional<std::string> date;
    std::string temperature;
    std::string marks;
    std::string comment;
    std::string output;
    std::optional<std::string> picture;
    int scale = 1;
    bool json = false;
    std::string prefer = "journal";
    bool removeMerged = false;
    std::vector<std::string> files;
    std::string format = "csv";
    std::optional<std::string> exportOut;
    std::string importFormat = "csv";
    std::optional<std::string> defaultTemperature;
    std::string importFile;
    int cycles = DEFAULT_REPORT_CYCLES;
    std::optional<std::size_t> limit;
    bool all = false;
};

struct Commands {
    CLI::App *stats = nullptr;
    CLI::App *show = nullptr;
    CLI::App *save = nullptr;
    CLI::App *remove = nullptr;
    CLI::App *chart = nullptr;
    CLI::App *conflicts = nullptr;
    CLI::App *merge = nullptr;
    CLI::App *exportRows = nullptr;
    CLI::App *importRows = nullptr;
    CLI::App *report = nullptr;
    CLI::App *undo = nullptr;
    CLI::App *history = nullptr;
    CLI::App *missing = nullptr;
    CLI::App *restore = nullptr;
};

void DefineHistoryCommands(CLI::App &app, CommandLine &line, Commands &commands) {
    commands.undo = app.add_subcommand("undo", "revert the latest change Plenta made that is not undone");
    commands.history =
        app.add_subcommand("history", "list the changes Plenta made to the journal, newest first");
    commands.history->add_flag("--json", line.json, "print JSON for scripts");
    commands.history->add_option("--limit", line.limit, "list at most N changes")->check(CLI::PositiveNumber);
    commands.missing =
        app.add_subcommand("missing", "list records Plenta wrote that the journal no longer holds");
    commands.missing->add_flag("--json", line.json, "print JSON for scripts");
    commands.restore = app.add_subcommand("restore", "bring back missing records (see missing)");
    CLI::Option *date = commands.restore->add_option("--date", line.date, "the date to restore, YYYY-MM-DD");
    CLI::Option *all = commands.restore->add_flag("--all", line.all, "restore every missing record");
    date->excludes(all);
    commands.restore->require_option(1);
}

ExitCode DispatchHistoryCommands(const Commands &commands, const CommandLine &line,
                                 const JournalLocation &location) {
    const HistoryPlace place{location.journal, location.history};
    const HistoryFormat format = line.json ? HistoryFormat::Json : HistoryFormat::Text;
    if (commands.undo->parsed()) {
        return RunUndo(place);
    }
    if (commands.history->parsed()) {
        return RunHistory(place, format, line.limit);
    }
    if (commands.missing->parsed()) {
        return RunMissing(place, format);
    }
    return RunRestore(place, line.date ? std::optional<Date>(ParseDate(*line.date)) : std::nullopt);
}

void DefineSyncCommands(CLI::App &app, CommandLine &line, Commands &commands) {
    commands.conflicts =
        app.add_subcommand("conflicts", "list the sync services' conflict copies of the journal");
    commands.conflicts->add_flag("--json", line.json, "print JSON for scripts");
    commands.merge = app.add_subcommand("merge", "bring the records of other journal files into the journal");
    commands.merge
        ->add_option(
            "--prefer", line.prefer,
            "whose record stays when a date differs: journal (the first one of the date: the journal's, else "
            "the first file's) or other (each file's in turn, so the last file's)")
        ->check(CLI::IsMember({"journal", "other"}));
    commands.merge->add_flag("--remove-merged", line.removeMerged,
                             "remove the files once the merge succeeded");
    commands.merge->add_option("FILE", line.files, "the files to merge, such as conflict copies")->required();
    commands.exportRows = app.add_subcommand("export", "print every record as CSV or JSON");
    commands.exportRows->add_option("--format", line.format, "csv (default) or json")
        ->check(CLI::IsMember({"csv", "json"}));
    commands.exportRows->add_option("--out", line.exportOut, "the file to write (default: stdout)");
    commands.importRows = app.add_subcommand("import", "bring the rows of a CSV export into the journal");
    commands.importRows->add_option("--format", line.importFormat, "csv (Plenta's export, default) or drip")
        ->check(CLI::IsMember({"csv", "drip"}));
    commands.importRows
        ->add_option("--prefer", line.prefer, "whose record stays when a date differs: journal or other")
        ->check(CLI::IsMember({"journal", "other"}));
    commands.importRows->add_option("--default-temperature", line.defaultTemperature,
                                    "drip: the temperature of days without one, 35.5 to 37.5");
    commands.importRows->add_option("FILE", line.importFile, "the export to import")->required();
}

// A file that is the journal itself, under any name: merging it or exporting over it would make no sense or
// destroy it.
bool IsTheJournal(const std::filesystem::path &file, const std::filesystem::path &journal) {
    std::error_code error;
    return std::filesystem::equivalent(file, journal, error) && !error;
}

MergePreference PreferenceOf(const CommandLine &line) {
    return line.prefer == "other" ? MergePreference::Other : MergePreference::Journal;
}

ExitCode DispatchSyncCommands(const Commands &commands, const CommandLine &line,
                              const std::filesystem::path &journal, const std::filesystem::path &history) {
    if (commands.conflicts->parsed()) {
        return RunConflicts(journal, line.json ? OutputFormat::Json : OutputFormat::Text);
    }
    if (commands.merge->parsed()) {
        MergeRequest request{journal,
                             {},
                             line.prefer == "other" ? MergePreference::Other : MergePreference::Journal,
                             line.removeMerged ? MergedFiles::Remove : MergedFiles::Keep,
                             history};
        for (const std::string &file : line.files) {
            if (IsTheJournal(file, journal)) {
                throw UsageError("'" + file + "' is the journal itself");
            }
            request.files.emplace_back(file);
        }
        return RunMerge(request);
    }
    if (commands.importRows->parsed()) {
        ImportRequest request{journal, line.importFile, {}, PreferenceOf(line), history};
        request.options.format = line.importFormat == "drip" ? ImportFormat::Drip : ImportFormat::PlentaCsv;
        if (line.defaultTemperature) {
            if (request.options.format != ImportFormat::Drip) {
                throw UsageError("--default-temperature is for drip's export; Plenta's has a temperature on "
                                 "every row");
            }
            request.options.defaultTemperature = ParseTemperature(*line.defaultTemperature);
        }
        if (IsTheJournal(request.file, journal)) {
            throw UsageError("'" + line.importFile + "' is the journal itself");
        }
        return RunImport(request);
    }
    std::optional<std::filesystem::path> out;
    if (line.exportOut) {
        out = std::filesystem::path(*line.exportOut);
        if (IsTheJournal(*out, journal)) {
            throw UsageError("the export would overwrite the journal '" + *line.exportOut + "'");
        }
    }
    return RunExport(journal, line.format == "json" ? ExportFormat::Json : ExportFormat::Csv, out);
}

Commands DefineCommands(CLI::App &app, CommandLine &line) {
    app.add_option("--journal", line.journal, "the journal file (default: the one Plenta uses)");
    app.add_option("--today", line.today,
                   "the date that stands for today, YYYY-MM-DD (default: the local date)");
    app.require_subcommand(1);
    app.fallthrough();

    Commands commands;
    commands.stats = app.add_subcommand("stats", "print the statistics text as the statistics box shows it");
    commands.show = app.add_subcommand("show", "print the scan's results for a picked date as JSON");
    commands.show->add_option("--date", line.date, "the picked date, YYYY-MM-DD (default: today)");
    commands.save = app.add_subcommand("save", "store an entry as the form's save does");
    commands.save->add_option("--date", line.date, "the entry's date, YYYY-MM-DD")->required();
    commands.save->add_option("--temperature", line.temperature, "35.5 to 37.5 in steps of 0.1")->required();
    commands.save->add_option("--marks", line.marks, "mark letters in switching order: 1 S E X");
    commands.save->add_option("--comment", line.comment,
                              "at most " + std::to_string(MAX_COMMENT_CHARS) + " characters");
    commands.remove = app.add_subcommand("delete", "delete every record of a date as the form's delete does");
    commands.remove->add_option("--date", line.date, "the date, YYYY-MM-DD")->required();
    commands.chart = app.add_subcommand("chart", "paint the chart as the main window shows it into a PNG");
    commands.chart->add_option("--out", line.output, "the PNG file to write")->required();
    commands.chart->add_option("--date", line.date, "the picked date, YYYY-MM-DD (default: today)");
    commands.chart->add_option("--picture", line.picture,
                               "the GIF shown under the chart (default: Plenta's)");
    commands.chart
        ->add_option("--scale", line.scale,
                     "enlarge by whole pixels, " + std::to_string(MIN_CHART_SCALE) + " to " +
                         std::to_string(MAX_CHART_SCALE))
        ->check(CLI::Range(MIN_CHART_SCALE, MAX_CHART_SCALE));
    commands.report = app.add_subcommand("report", "write a PDF report of the recent cycles for the doctor");
    commands.report->add_option("--out", line.output, "the PDF file to write")->required();
    commands.report->add_option("--cycles", line.cycles, "counted cycles before the running one (default 6)")
        ->check(CLI::Range(0, MAX_REPORT_CYCLES));
    DefineSyncCommands(app, line, commands);
    DefineHistoryCommands(app, line, commands);
    return commands;
}

ExitCode Dispatch(const Commands &commands, const CommandLine &line) {
    // Every value is checked before the journal is located, so a usage error touches no file at all.
    const Date today = line.today ? ParseDate(*line.today) : LocalToday();
    const Date picked = line.date ? ParseDate(*line.date) : today;
    std::optional<std::filesystem::path> explicitJournal;
    if (line.journal) {
        explicitJournal = std::filesystem::path(*line.journal);
    }

    if (commands.save->parsed()) {
        const EntryValues entry{picked, ParseTemperature(line.temperature), CheckMarks(line.marks),
                                CheckComment(line.comment)};
        const JournalLocation location = LocateJournal(explicitJournal);
        return RunSave(location.journal, location.history, entry);
    }
    if (commands.remove->parsed()) {
        const JournalLocation location = LocateJournal(explicitJournal);
        return RunDelete(location.journal, location.history, picked);
    }
    if (commands.show->parsed()) {
        return RunShow(LocateJournal(explicitJournal).journal, picked, today);
    }
    if (commands.chart->parsed()) {
        const JournalLocation location = LocateJournal(explicitJournal);
        const std::filesystem::path picture =
            line.picture ? std::filesystem::path(*line.picture) : location.picture;
        return RunChart({location.journal, picked, today, picture, line.output, line.scale});
    }
    if (commands.report->parsed()) {
        const JournalLocation location = LocateJournal(explicitJournal);
        return RunReport({location.journal, today, location.picture, line.output, line.cycles});
    }
    if (commands.conflicts->parsed() || commands.merge->parsed() || commands.exportRows->parsed() ||
        commands.importRows->parsed()) {
        const JournalLocation location = LocateJournal(explicitJournal);
        return DispatchSyncCommands(commands, line, location.journal, location.history);
    }
    if (commands.undo->parsed() || commands.history->parsed() || commands.missing->parsed() ||
        commands.restore->parsed()) {
        return DispatchHistoryCommands(commands, line, LocateJournal(explicitJournal));
    }
    return RunStats(LocateJournal(explicitJournal).journal, today);
}

// A word where the command belongs that names none: said as such, with the commands there are, instead of
// CLI11's "A subcommand is required".
std::optional<std::string> UnknownCommand(CLI::App &app) {
    const std::vector<std::string> extras = app.remaining();
    if (!app.get_subcommands().empty() || extras.empty() || extras.front().starts_with("-")) {
        return std::nullopt;
    }
    std::string names;
    for (const CLI::App *command : app.get_subcommands([](const CLI::App *) { return true; })) {
        names += (names.empty() ? "" : ", ") + command->get_name();
    }
    return "unknown command '" + extras.front() + "'; the commands are " + names;
}

} // namespace

int main(int argc, char **argv) {
    // Under a file-size limit a write then fails with EFBIG and takes the rewrite's error path, instead of
    // the signal ending the tool with no message and a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    CLI::App app{"Reads and edits the Plenta journal from the command line."};
    app.name("plenta-journal");
    app.set_version_flag("--version", std::string("plenta-journal ") + PLENTA_VERSION);
    CommandLine line;
    const Commands commands = DefineCommands(app, line);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        if (const std::optional<std::string> unknown = UnknownCommand(app)) {
            return static_cast<int>(Fail(ExitCode::Usage, *unknown));
        }
        // Help and version requests end with 0; every real parse error is a usage error.
        return app.exit(error) == 0 ? 0 : static_cast<int>(ExitCode::Usage);
    }
    try {
        return static_cast<int>(Dispatch(commands, line));
    } catch (const UsageError &error) {
        return static_cast<int>(Fail(ExitCode::Usage, error.what()));
    } catch (const std::bad_alloc &) {
        return static_cast<int>(Fail(ExitCode::Failure, "not enough memory; no file was changed"));
    } catch (const std::exception &error) {
        // For example a device root that cannot be created.
        return static_cast<int>(Fail(ExitCode::Failure, error.what()));
    }
}
