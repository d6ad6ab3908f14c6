// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's own command-line options and its --help text.
#include "app/CommandLine.h"

#include "journal/ChangeHistory.h"
#include "platform/HandheldKeys.h"
#include "platform/HoldWords.h"
#include "platform/LocalText.h"
#include "ui/ShortcutTable.h"
#include "ui/Zoom.h"
#include <PlentaVersion.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

namespace plenta {

namespace {

// A text of --help and of the usage errors in the user's language, read before Qt starts.
std::string_view Said(std::string_view german) {
    return LocalText("CommandLine", german);
}

// "1 to 4": the zooms a window can have.
std::string ZoomRange() {
    return WithArgs(Said(PLENTA_TEXT("CommandLine", "%1 bis %2")),
                    {std::to_string(MIN_ZOOM), std::to_string(MAX_ZOOM)});
}

enum class QtValue { None, Follows };

struct QtOption {
    std::string_view name;
    QtValue value;
};

// Qt also reads its options with two dashes; those pass through as they do with one.
constexpr std::array<QtOption, 20> QT_OPTIONS{{
    {"platform", QtValue::Follows},
    {"platformpluginpath", QtValue::Follows},
    {"platformtheme", QtValue::Follows},
    {"plugin", QtValue::Follows},
    {"qwindowgeometry", QtValue::Follows},
    {"qwindowicon", QtValue::Follows},
    {"qwindowtitle", QtValue::Follows},
    {"qmljsdebugger", QtValue::Follows},
    {"session", QtValue::Follows},
    {"display", QtValue::Follows},
    {"geometry", QtValue::Follows},
    {"name", QtValue::Follows},
    {"title", QtValue::Follows},
    {"style", QtValue::Follows},
    {"stylesheet", QtValue::Follows},
    {"reverse", QtValue::None},
    {"widgetcount", QtValue::None},
    {"nograb", QtValue::None},
    {"dograb", QtValue::None},
    {"sync", QtValue::None},
}};

const QtOption *FindQtOption(std::string_view name) {
    const auto found = std::find_if(QT_OPTIONS.begin(), QT_OPTIONS.end(),
                                    [name](const QtOption &option) { return option.name == name; });
    return found != QT_OPTIONS.end() ? &*found : nullptr;
}

std::optional<int> ParseZoom(std::string_view text) {
    int zoom = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, zoom);
    if (text.empty() || error != std::errc() || stop != end || zoom < MIN_ZOOM || zoom > MAX_ZOOM) {
        return std::nullopt;
    }
    return zoom;
}

StartOptions Failure(std::string error) {
    StartOptions options;
    options.action = StartAction::UsageError;
    options.error = std::move(error);
    return options;
}

// The one-line usage shown after a usage error.
std::string UsageLine() {
    return std::string(
        Said(PLENTA_TEXT("CommandLine", "Aufruf: plenta [--zoom N] [--help] [--version] [Qt-Optionen wie "
                                        "-platform NAME]\n")));
}

} // namespace

StartOptions ParseCommandLine(std::span<const char *const> arguments) {
    StartOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i] != nullptr ? arguments[i] : "";
        if (argument == "--help" || argument == "-h") {
            options.action = StartAction::Help;
            return options;
        }
        if (argument == "--version") {
            options.action = StartAction::Version;
            return options;
        }
        // Single-dash words and the values after them are Qt's (-platform vnc, -style fusion).
        if (!argument.starts_with("--")) {
            continue;
        }
        const std::string_view body = argument.substr(2);
        const std::size_t equals = body.find('=');
        const std::string_view name = body.substr(0, equals);
        if (name == "zoom") {
            std::string_view value;
            if (equals != std::string_view::npos) {
                value = body.substr(equals + 1);
            } else if (i + 1 < arguments.size() && arguments[i + 1] != nullptr) {
                value = arguments[++i];
            }
            options.zoom = ParseZoom(value);
            if (!options.zoom) {
                return Failure(WithArgs(
                    Said(PLENTA_TEXT("CommandLine", "--zoom braucht eine ganze Zahl von %1, nicht '%2'")),
                    {ZoomRange(), value}));
            }
            continue;
        }
        const QtOption *qt = FindQtOption(name);
        if (qt == nullptr) {
            return Failure(WithArgs(Said(PLENTA_TEXT("CommandLine", "unbekannte Option '%1'")), {argument}));
        }
        if (qt->value == QtValue::Follows && equals == std::string_view::npos) {
            ++i;
        }
    }
    return options;
}

std::string HelpText() {
    std::string text = UsageLine();
    text += WithArgs(
        Said(PLENTA_TEXT(
            "CommandLine",
            "\nPlenta führt ein Tagebuch der Basaltemperatur und der Zykluszeichen und zeigt die Zyklen als\n"
            "Kurve.\n\n"
            "Optionen:\n"
            "  --zoom N    das Fenster N-mal größer zeigen, %1, für diesen Start; ohne die Option gilt\n"
            "              der zuletzt mit Strg+Plus, Strg+Minus oder Strg+0 gewählte Zoom, sonst der\n"
            "              größte, dessen Fenster in 60 % der verfügbaren Bildschirmhöhe passt\n"
            "  --help      diesen Text ausgeben und enden\n"
            "  --version   die Version ausgeben und enden\n\n"
            "Tasten:\n"
            "  Eingabe         nächstes Feld; %2: den Eintrag des gewählten Tages speichern\n"
            "  Escape          das Info-Fenster; %2: die Einträge des gewählten Tages löschen\n"
            "  Hoch, Runter    den Wert des Feldes mit dem Fokus ändern\n"
            "  Doppelklick     die Statistik zeigen\n")),
        {ZoomRange(), HoldWords(HOLD_PERIOD_MS, Said)});
    for (const DesktopShortcut &shortcut : DESKTOP_SHORTCUTS) {
        std::string label(LocalText("Shortcuts", shortcut.label));
        label.resize(std::max<std::size_t>(label.size(), 14), ' ');
        text += "  " + label + "  " + std::string(LocalText("Shortcuts", shortcut.description)) + "\n";
    }
    text += WithArgs(
        Said(PLENTA_TEXT(
            "CommandLine",
            "\nDas Tagebuch liegt in $PLENTA_ROOT, sonst in ~/.local/share/plenta, außer die\n"
            "registry.ini dort nennt den synchronisierten Ordner. Jedes Speichern, Löschen und Übernehmen\n"
            "wird dort in history.jsonl festgehalten, nur auf diesem Gerät (die letzten %1 Änderungen,\n"
            "höchstens %2 MiB), damit plenta-journal undo es rückgängig macht und plenta-journal missing\n"
            "und restore Einträge zurückbringen, die ein Sync-Dienst verloren hat. Siehe auch\n"
            "plenta-journal(1).\n")),
        {std::to_string(MAX_HISTORY_ENTRIES), std::to_string(MAX_HISTORY_BYTES >> 20)});
    return text;
}

std::optional<int> AnswerWithoutWindow(const StartOptions &options) {
    switch (options.action) {
    case StartAction::Help:
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    case StartAction::Version:
        std::printf("plenta %s\n", PLENTA_VERSION);
        return 0;
    case StartAction::UsageError:
        std::fprintf(stderr, "plenta: %s\n%s%s", options.error.c_str(), UsageLine().c_str(),
                     Said(PLENTA_TEXT("CommandLine", "Mehr mit 'plenta --help'.\n")).data());
        return 2;
    case StartAction::Run:
        break;
    }
    return std::nullopt;
}

} // namespace plenta
