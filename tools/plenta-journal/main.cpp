// SPDX-License-Identifier: GPL-3.0-or-later
// plenta-journal: command-line access to the journal the window program keeps. Parses the command line,
// checks every value before anything is read or written, and hands over to one command.
#include "ChartExport.h"
#include "ExitCode.h"
#include "ExportCommand.h"
#include "HelpLabels.h"
#include "HistoryCommands.h"
#include "ImportCommand.h"
#include "JournalCommands.h"
#include "JournalLocation.h"
#include "SyncCommands.h"
#include "UsageChecks.h"
#include "UsageMessages.h"

#include "platform/LocalText.h"
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

// The same as a string, as CLI11 takes its descriptions.
std::string Tr(std::string_view german) {
    return std::string(Said(german));
}

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
    commands.undo = app.add_subcommand(
        "undo",
        Tr(PLENTA_TEXT("plenta-journal",
                       "die letzte noch nicht rückgängig gemachte Änderung von Plenta rückgängig machen")));
    commands.history = app.add_subcommand(
        "history", Tr(PLENTA_TEXT("plenta-journal",
                                  "die Änderungen von Plenta am Tagebuch auflisten, die neueste zuerst")));
    commands.history->add_flag("--json", line.json,
                               Tr(PLENTA_TEXT("plenta-journal", "JSON für Skripte ausgeben")));
    commands.history
        ->add_option("--limit", line.limit,
                     Tr(PLENTA_TEXT("plenta-journal", "höchstens N Änderungen auflisten")))
        ->check(WholeNumber(1));
    commands.missing = app.add_subcommand(
        "missing", Tr(PLENTA_TEXT("plenta-journal",
                                  "Einträge auflisten, die Plenta schrieb und die dem Tagebuch nun fehlen")));
    commands.missing->add_flag("--json", line.json,
                               Tr(PLENTA_TEXT("plenta-journal", "JSON für Skripte ausgeben")));
    commands.restore = app.add_subcommand(
        "restore", Tr(PLENTA_TEXT("plenta-journal", "fehlende Einträge zurückholen (siehe missing)")));
    CLI::Option *date = commands.restore->add_option(
        "--date", line.date,
        Tr(PLENTA_TEXT("plenta-journal", "das Datum, das zurückgeholt wird, JJJJ-MM-TT")));
    CLI::Option *all = commands.restore->add_flag(
        "--all", line.all, Tr(PLENTA_TEXT("plenta-journal", "jeden fehlenden Eintrag zurückholen")));
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
    commands.conflicts = app.add_subcommand(
        "conflicts",
        Tr(PLENTA_TEXT("plenta-journal",
                       "die Konfliktkopien des Tagebuchs auflisten, die Sync-Dienste angelegt haben")));
    commands.conflicts->add_flag("--json", line.json,
                                 Tr(PLENTA_TEXT("plenta-journal", "JSON für Skripte ausgeben")));
    commands.merge = app.add_subcommand(
        "merge",
        Tr(PLENTA_TEXT("plenta-journal", "die Einträge anderer Tagebuchdateien ins Tagebuch übernehmen")));
    commands.merge
        ->add_option("--prefer", line.prefer,
                     Tr(PLENTA_TEXT("plenta-journal",
                                    "wessen Eintrag bleibt, wenn ein Datum abweicht: journal (der erste des "
                                    "Datums: der des Tagebuchs, sonst der der ersten Datei) oder other (der "
                                    "jeder Datei der Reihe nach, also der der letzten)")))
        ->check(OneOf({"journal", "other"}));
    commands.merge->add_flag(
        "--remove-merged", line.removeMerged,
        Tr(PLENTA_TEXT("plenta-journal", "die Dateien nach gelungener Übernahme entfernen")));
    commands.merge
        ->add_option("FILE", line.files,
                     Tr(PLENTA_TEXT("plenta-journal", "die zu übernehmenden Dateien, etwa Konfliktkopien")))
        ->required();
    commands.exportRows = app.add_subcommand(
        "export", Tr(PLENTA_TEXT("plenta-journal", "alle Einträge als CSV oder JSON ausgeben")));
    commands.exportRows
        ->add_option("--format", line.format, Tr(PLENTA_TEXT("plenta-journal", "csv (Vorgabe) oder json")))
        ->check(OneOf({"csv", "json"}));
    commands.exportRows->add_option(
        "--out", line.exportOut,
        Tr(PLENTA_TEXT("plenta-journal", "die zu schreibende Datei (Vorgabe: Standardausgabe)")));
    commands.importRows = app.add_subcommand(
        "import", Tr(PLENTA_TEXT("plenta-journal", "die Zeilen eines CSV-Exports ins Tagebuch übernehmen")));
    commands.importRows
        ->add_option("--format", line.importFormat,
                     Tr(PLENTA_TEXT("plenta-journal", "csv (Plentas Export, Vorgabe) oder drip")))
        ->check(OneOf({"csv", "drip"}));
    commands.importRows
        ->add_option("--prefer", line.prefer,
                     Tr(PLENTA_TEXT("plenta-journal",
                                    "wessen Eintrag bleibt, wenn ein Datum abweicht: journal oder other")))
        ->check(OneOf({"journal", "other"}));
    commands.importRows->add_option(
        "--default-temperature", line.defaultTemperature,
        Tr(PLENTA_TEXT("plenta-journal", "drip: die Temperatur der Tage ohne eine, 35.5 bis 37.5")));
    commands.importRows
        ->add_option("FILE", line.importFile, Tr(PLENTA_TEXT("plenta-journal", "der zu übernehmende Export")))
        ->required();
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
                throw UsageError(
                    WithArgs(Said(PLENTA_TEXT("plenta-journal", "'%1' ist das Tagebuch selbst")), {file}));
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
                throw UsageError(
                    Tr(PLENTA_TEXT("plenta-journal", "--default-temperature gilt für den Export von drip; "
                                                     "der von Plenta hat in jeder Zeile eine Temperatur")));
            }
            request.options.defaultTemperature = ParseTemperature(*line.defaultTemperature);
        }
        if (IsTheJournal(request.file, journal)) {
            throw UsageError(WithArgs(Said(PLENTA_TEXT("plenta-journal", "'%1' ist das Tagebuch selbst")),
                                      {line.importFile}));
        }
        return RunImport(request);
    }
    std::optional<std::filesystem::path> out;
    if (line.exportOut) {
        out = std::filesystem::path(*line.exportOut);
        if (IsTheJournal(*out, journal)) {
            throw UsageError(WithArgs(
                Said(PLENTA_TEXT("plenta-journal", "der Export würde das Tagebuch '%1' überschreiben")),
                {*line.exportOut}));
        }
    }
    return RunExport(journal, line.format == "json" ? ExportFormat::Json : ExportFormat::Csv, out);
}

Commands DefineCommands(CLI::App &app, CommandLine &line) {
    app.add_option("--journal", line.journal,
                   Tr(PLENTA_TEXT("plenta-journal", "die Tagebuchdatei (Vorgabe: die, die Plenta benutzt)")));
    app.add_option("--today", line.today,
                   Tr(PLENTA_TEXT("plenta-journal",
                                  "das Datum, das für heute steht, JJJJ-MM-TT (Vorgabe: das lokale Datum)")));
    app.require_subcommand(1);
    app.fallthrough();

    Commands commands;
    commands.stats = app.add_subcommand(
        "stats",
        Tr(PLENTA_TEXT("plenta-journal", "den Statistiktext ausgeben, wie ihn das Statistikfenster zeigt")));
    commands.show = app.add_subcommand(
        "show",
        Tr(PLENTA_TEXT("plenta-journal", "die Auswertung für ein gewähltes Datum als JSON ausgeben")));
    commands.show->add_option(
        "--date", line.date,
        Tr(PLENTA_TEXT("plenta-journal", "das gewählte Datum, JJJJ-MM-TT (Vorgabe: heute)")));
    commands.save = app.add_subcommand(
        "save", Tr(PLENTA_TEXT("plenta-journal", "einen Eintrag speichern, wie es das Formular tut")));
    commands.save
        ->add_option("--date", line.date,
                     Tr(PLENTA_TEXT("plenta-journal", "das Datum des Eintrags, JJJJ-MM-TT")))
        ->required();
    commands.save
        ->add_option("--temperature", line.temperature,
                     Tr(PLENTA_TEXT("plenta-journal", "35.5 bis 37.5 in Schritten von 0.1")))
        ->required();
    commands.save->add_option(
        "--marks", line.marks,
        Tr(PLENTA_TEXT("plenta-journal", "Zeichenbuchstaben in Schaltreihenfolge: 1 S E X")));
    commands.save->add_option("--comment", line.comment,
                              WithArgs(Said(PLENTA_TEXT("plenta-journal", "höchstens %1 Zeichen")),
                                       {std::to_string(MAX_COMMENT_CHARS)}));
    commands.remove = app.add_subcommand(
        "delete",
        Tr(PLENTA_TEXT("plenta-journal", "alle Einträge eines Datums löschen, wie es das Formular tut")));
    commands.remove
        ->add_option("--date", line.date, Tr(PLENTA_TEXT("plenta-journal", "das Datum, JJJJ-MM-TT")))
        ->required();
    commands.chart = app.add_subcommand(
        "chart",
        Tr(PLENTA_TEXT("plenta-journal", "die Kurve, wie sie das Hauptfenster zeigt, als PNG zeichnen")));
    commands.chart
        ->add_option("--out", line.output, Tr(PLENTA_TEXT("plenta-journal", "die zu schreibende PNG-Datei")))
        ->required();
    commands.chart->add_option(
        "--date", line.date,
        Tr(PLENTA_TEXT("plenta-journal", "das gewählte Datum, JJJJ-MM-TT (Vorgabe: heute)")));
    commands.chart->add_option(
        "--picture", line.picture,
        Tr(PLENTA_TEXT("plenta-journal", "das GIF unter der Kurve (Vorgabe: Plentas)")));
    commands.chart
        ->add_option("--scale", line.scale,
                     WithArgs(Said(PLENTA_TEXT("plenta-journal", "um ganze Pixel vergrößern, %1 bis %2")),
                              {std::to_string(MIN_CHART_SCALE), std::to_string(MAX_CHART_SCALE)}))
        ->check(WholeNumber(MIN_CHART_SCALE, MAX_CHART_SCALE));
    commands.report = app.add_subcommand(
        "report", Tr(PLENTA_TEXT("plenta-journal",
                                 "einen PDF-Bericht der letzten Zyklen für die Arztpraxis schreiben")));
    commands.report
        ->add_option("--out", line.output, Tr(PLENTA_TEXT("plenta-journal", "die zu schreibende PDF-Datei")))
        ->required();
    commands.report
        ->add_option("--cycles", line.cycles,
                     Tr(PLENTA_TEXT("plenta-journal", "gezählte Zyklen vor dem laufenden (Vorgabe 6)")))
        ->check(WholeNumber(0, MAX_REPORT_CYCLES));
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
    return WithArgs(Said(PLENTA_TEXT("plenta-journal", "unbekannter Befehl '%1'; die Befehle sind %2")),
                    {extras.front(), names});
}

} // namespace

int main(int argc, char **argv) {
    // Under a file-size limit a write then fails with EFBIG and takes the rewrite's error path, instead of
    // the signal ending the tool with no message and a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    SayReasonsInTheToolsLanguage();
    CLI::App app{
        Tr(PLENTA_TEXT("plenta-journal", "Liest und bearbeitet Plentas Tagebuch auf der Kommandozeile."))};
    app.name("plenta-journal");
    LabelHelp(app, std::string("plenta-journal ") + PLENTA_VERSION);
    CommandLine line;
    const Commands commands = DefineCommands(app, line);
    LabelCommands(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        if (const std::optional<std::string> unknown = UnknownCommand(app)) {
            return static_cast<int>(Fail(ExitCode::Usage, *unknown));
        }
        // Help and version requests end with 0; every real parse error is a usage error, said in the
        // tool's language.
        if (error.get_exit_code() == 0) {
            return app.exit(error);
        }
        Fail(ExitCode::Usage, ParseErrorText(error));
        std::cerr << Said(PLENTA_TEXT("plenta-journal", "Mehr mit 'plenta-journal --help'.")) << '\n';
        return static_cast<int>(ExitCode::Usage);
    }
    try {
        return static_cast<int>(Dispatch(commands, line));
    } catch (const UsageError &error) {
        return static_cast<int>(Fail(ExitCode::Usage, error.what()));
    } catch (const std::bad_alloc &) {
        return static_cast<int>(
            Fail(ExitCode::Failure,
                 Tr(PLENTA_TEXT("plenta-journal", "nicht genug Speicher; keine Datei wurde geändert"))));
    } catch (const std::exception &error) {
        // For example a device root that cannot be created.
        return static_cast<int>(Fail(ExitCode::Failure, error.what()));
    }
}
