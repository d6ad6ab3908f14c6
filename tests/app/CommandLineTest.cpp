// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's command line: its own options, Qt's passed through, and what is refused; the built
// program answering --help and --version with no display at all.
#include "WaitFor.h"

#include "app/CommandLine.h"
#include <PlentaVersion.h>

#include <gtest/gtest.h>

#include <QProcess>

#include <vector>

namespace plenta {
namespace {

TEST(CommandLineTest, ReadsItsOwnOptionsAndLeavesQtsAlone) {
    struct Case {
        std::vector<const char *> arguments;
        StartAction action;
        std::optional<int> zoom;
    } const cases[] = {
        {{}, StartAction::Run, std::nullopt},
        {{"--zoom", "2"}, StartAction::Run, 2},
        {{"--zoom=4"}, StartAction::Run, 4},
        {{"-platform", "vnc:size=240x294:port=5900", "--zoom", "1"}, StartAction::Run, 1},
        {{"--platform", "offscreen", "-style", "fusion", "--reverse"}, StartAction::Run, std::nullopt},
        {{"--zoom", "3", "--help"}, StartAction::Help, 3},
        {{"-h"}, StartAction::Help, std::nullopt},
        {{"--version", "--bogus"}, StartAction::Version, std::nullopt},
        {{"--zoom", "5"}, StartAction::UsageError, std::nullopt},
        {{"--zoom", "0"}, StartAction::UsageError, std::nullopt},
        {{"--zoom", "2.5"}, StartAction::UsageError, std::nullopt},
        {{"--zoom"}, StartAction::UsageError, std::nullopt},
        {{"--zoom="}, StartAction::UsageError, std::nullopt},
        {{"--bogus"}, StartAction::UsageError, std::nullopt},
        {{"--platformx", "offscreen"}, StartAction::UsageError, std::nullopt},
    };
    for (const Case &c : cases) {
        const StartOptions options = ParseCommandLine(c.arguments);
        std::string line;
        for (const char *argument : c.arguments) {
            line += std::string(argument) + " ";
        }
        EXPECT_EQ(options.action, c.action) << line;
        if (c.action != StartAction::UsageError) {
            EXPECT_EQ(options.zoom, c.zoom) << line;
        } else {
            EXPECT_FALSE(options.error.empty()) << line;
        }
    }
}

// In the user's language: the keys as a German or an English keyboard names them.
TEST(CommandLineTest, TheHelpNamesEveryDesktopKey) {
    struct Case {
        const char *locale;
        std::vector<const char *> keys;
    } const cases[] = {
        {"C",
         {"Aufruf:", "Strg+S", "Strg+D", "Strg+Z", "Strg+I", "Strg+P", "Strg+Q", "Strg+Plus", "Strg+Minus",
          "Strg+0", "Eingabe", "eine halbe Sekunde"}},
        {"en_US.UTF-8",
         {"Usage:", "Ctrl+S", "Ctrl+D", "Ctrl+Z", "Ctrl+I", "Ctrl+P", "Ctrl+Q", "Ctrl+Plus", "Ctrl+Minus",
          "Ctrl+0", "Return", "half a second"}},
    };
    const QByteArray saved = qgetenv("LC_ALL");
    for (const Case &c : cases) {
        qputenv("LC_ALL", c.locale);
        const std::string help = HelpText();
        for (const char *key : c.keys) {
            EXPECT_NE(help.find(key), std::string::npos) << c.locale << ": " << key;
        }
        for (const char *key : {"--zoom N", "Alt+1", "Alt+S", "Alt+E", "Alt+X", "F1", "Escape"}) {
            EXPECT_NE(help.find(key), std::string::npos) << c.locale << ": " << key;
        }
    }
    qputenv("LC_ALL", saved);
}

// The built program, started with no display and no platform: what it prints and how it ends.
TEST(CommandLineTest, TheProgramAnswersWithoutADisplay) {
    struct Case {
        QString locale;
        QStringList arguments;
        int exitCode;
        QString out;
        QString err;
    } const cases[] = {
        {"C", {"--version"}, 0, QStringLiteral("plenta %1\n").arg(PLENTA_VERSION), ""},
        {"C", {"--help"}, 0, "Aufruf: plenta", ""},
        {"en_US.UTF-8", {"--help"}, 0, "Usage: plenta", ""},
        {"C", {"--nonsense"}, 2, "", "unbekannte Option '--nonsense'"},
        {"en_US.UTF-8", {"--nonsense"}, 2, "", "unknown option '--nonsense'"},
        {"C", {"--zoom", "9"}, 2, "", "Aufruf: plenta"},
        {"en_US.UTF-8", {"--zoom", "9"}, 2, "", "Usage: plenta"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    for (const Case &c : cases) {
        QProcess program;
        environment.insert("LC_ALL", c.locale);
        program.setProcessEnvironment(environment);
        program.start(PLENTA_BINARY, c.arguments);
        ASSERT_TRUE(program.waitForFinished(WAIT_LIMIT_MS)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.exitCode) << c.arguments.join(' ').toStdString();
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_TRUE(c.out.isEmpty() ? out.isEmpty() : out.startsWith(c.out)) << out.toStdString();
        EXPECT_TRUE(c.err.isEmpty() ? err.isEmpty() : err.contains(c.err)) << err.toStdString();
    }
}

} // namespace
} // namespace plenta
