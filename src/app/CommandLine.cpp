// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's own command-line options and its --help text.
#include "app/CommandLine.h"

#include "app/ShortcutTable.h"

#include "platform/HandheldKeys.h"
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

// "1 to 4": the zooms a window can have.
std::string ZoomRange() {
    return std::to_string(MIN_ZOOM) + " to " + std::to_string(MAX_ZOOM);
}

// A key's hold period as the help says it: "half a second" rather than "500 ms".
std::string HoldWords(int milliseconds) {
    if (milliseconds == 500) {
        return "half a second";
    }
    if (milliseconds % 1000 == 0) {
        const int seconds = milliseconds / 1000;
        return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
    }
    return std::to_string(milliseconds) + " ms";
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
    return "Usage: plenta [--zoom N] [--help] [--version] [Qt options such as -platform NAME]\n";
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
                return Failure("--zoom takes a whole number from " + ZoomRange() + ", not '" +
                               std::string(value) + "'");
            }
            continue;
        }
        const QtOption *qt = FindQtOption(name);
        if (qt == nullptr) {
            return Failure("unknown option '" + std::string(argument) + "'");
        }
        if (qt->value == QtValue::Follows && equals == std::string_view::npos) {
            ++i;
        }
    }
    return options;
}

std::string HelpText() {
    std::string text = UsageLine();
    const std::string held = "held for " + HoldWords(HOLD_PERIOD_MS);
    text += "\nPlenta keeps a journal of the basal body temperature and the cycle marks, and shows the\n"
            "cycles as a chart.\n\n"
            "Options:\n"
            "  --zoom N    show the window N times larger, " +
            ZoomRange() +
            ", for this run; without it the zoom\n"
            "              last chosen with Ctrl+Plus, Ctrl+Minus or Ctrl+0, or else the largest whose\n"
            "              window fits in 60% of the screen's available height\n"
            "  --help      print this text and end\n"
            "  --version   print the version and end\n\n"
            "Keys:\n"
            "  Return          next field; " +
            held +
            ": save the picked day's entry\n"
            "  Escape          the About box; " +
            held +
            ": delete the picked day's entries\n"
            "  Up, Down        change the value of the field that has the focus\n"
            "  double click    show the statistics\n";
    for (const DesktopShortcut &shortcut : DESKTOP_SHORTCUTS) {
        std::string label(shortcut.label);
        label.resize(std::max<std::size_t>(label.size(), 14), ' ');
        text += "  " + label + "  " + std::string(shortcut.description) + "\n";
    }
    text +=
        "\nThe journal lies in $PLENTA_ROOT, or else in ~/.local/share/plenta, unless registry.ini there\n"
        "names the synchronised folder. Every save, delete and merge is recorded in history.jsonl\n"
        "there, on this device only (the latest 5000 changes, at most 1 MiB), so that plenta-journal\n"
        "undo reverts it and plenta-journal missing and restore bring back entries a sync client\n"
        "dropped. See also plenta-journal(1).\n";
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
        std::fprintf(stderr, "plenta: %s\n%sTry 'plenta --help' for more.\n", options.error.c_str(),
                     UsageLine().c_str());
        return 2;
    case StartAction::Run:
        break;
    }
    return std::nullopt;
}

} // namespace plenta
