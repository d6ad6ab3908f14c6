// SPDX-License-Identifier: GPL-3.0-or-later
// The labels are the keys CLI11's Formatter looks up; a key without a label prints as itself.
#include "HelpLabels.h"
#include "UsageChecks.h"

namespace plenta {
namespace {

std::string Tr(std::string_view german) {
    return std::string(Said(german));
}

std::string OptionsHeading() {
    return Tr(PLENTA_TEXT("plenta-journal", "Optionen"));
}

// CLI11 writes the note on a command that takes exactly one of its options in English, outside its labels.
class HelpFormatter : public CLI::Formatter {
public:
    std::string make_description(const CLI::App *app) const override {
        if (app->get_require_option_min() != 1 || app->get_require_option_max() != 1) {
            return CLI::Formatter::make_description(app);
        }
        return app->get_description() + "\n[" +
               Tr(PLENTA_TEXT("plenta-journal", "Genau eine der folgenden Optionen ist nötig")) + "]\n";
    }
};

} // namespace

void LabelHelp(CLI::App &app, const std::string &version) {
    const std::shared_ptr<HelpFormatter> formatter = std::make_shared<HelpFormatter>();
    formatter->label("Usage", Tr(PLENTA_TEXT("plenta-journal", "Aufruf")));
    formatter->label("OPTIONS", Tr(PLENTA_TEXT("plenta-journal", "OPTIONEN")));
    formatter->label("SUBCOMMAND", Tr(PLENTA_TEXT("plenta-journal", "BEFEHL")));
    formatter->label("SUBCOMMANDS", Tr(PLENTA_TEXT("plenta-journal", "BEFEHLE")));
    formatter->label("REQUIRED", Tr(PLENTA_TEXT("plenta-journal", "PFLICHT")));
    formatter->label("Excludes", Tr(PLENTA_TEXT("plenta-journal", "Schließt aus")));
    app.formatter(formatter);
    app.option_defaults()->group(OptionsHeading());
    app.set_help_flag("-h,--help", Tr(PLENTA_TEXT("plenta-journal", "diese Hilfe ausgeben und enden")));
    app.set_version_flag("--version", version,
                         Tr(PLENTA_TEXT("plenta-journal", "die Version ausgeben und enden")));
}

void LabelCommands(CLI::App &app) {
    const std::string options = OptionsHeading();
    for (CLI::App *command : app.get_subcommands([](CLI::App *) { return true; })) {
        command->group(Tr(PLENTA_TEXT("plenta-journal", "Befehle")));
        for (CLI::Option *option : command->get_options()) {
            option->group(options);
        }
        LabelCommands(*command);
    }
}

} // namespace plenta
