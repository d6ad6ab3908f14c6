// plenta-journal: command-line access to the journal the window program keeps. Parses the command line,
// checks every value before anything is read or written, and hands over to one command.
#include "ChartExport.h"
#include "ExitCode.h"
#include "JournalCommands.h"
#include "JournalLocation.h"
#include "UsageChecks.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <exception>
#include <new>
#include <optional>
#include <string>

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
};

struct Commands {
    CLI::App *stats = nullptr;
    CLI::App *show = nullptr;
    CLI::App *save = nullptr;
    CLI::App *remove = nullptr;
    CLI::App *chart = nullptr;
};

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
    commands.save->add_option("--comment", line.comment, "at most 39 characters");
    commands.remove = app.add_subcommand("delete", "delete every record of a date as the form's delete does");
    commands.remove->add_option("--date", line.date, "the date, YYYY-MM-DD")->required();
    commands.chart = app.add_subcommand("chart", "paint the chart as the main window shows it into a PNG");
    commands.chart->add_option("--out", line.output, "the PNG file to write")->required();
    commands.chart->add_option("--date", line.date, "the picked date, YYYY-MM-DD (default: today)");
    commands.chart->add_option("--picture", line.picture,
                               "the GIF shown under the chart (default: Plenta's)");
    commands.chart->add_option("--scale", line.scale, "enlarge by whole pixels, 1 to 16")
        ->check(CLI::Range(MIN_CHART_SCALE, MAX_CHART_SCALE));
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
        return RunSave(LocateJournal(explicitJournal).journal, entry);
    }
    if (commands.remove->parsed()) {
        return RunDelete(LocateJournal(explicitJournal).journal, picked);
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
    return RunStats(LocateJournal(explicitJournal).journal, today);
}

} // namespace

int main(int argc, char **argv) {
    // Under a file-size limit a write then fails with EFBIG and takes the rewrite's error path, instead of
    // the signal ending the tool with no message and a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    CLI::App app{"Reads and edits the Plenta journal from the command line."};
    app.name("plenta-journal");
    CommandLine line;
    const Commands commands = DefineCommands(app, line);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
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
