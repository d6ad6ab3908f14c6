// SPDX-License-Identifier: GPL-3.0-or-later
// The holds under a Wayland compositor, as a smoke test: headless sway, the program on Qt's Wayland platform
// run by a user without privileges, keys typed with wtype, judged by the journal and sway's window tree.
#include "JournalWatch.h"
#include "XServerFixture.h"

#include <QDate>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace plenta::e2e {
namespace {

const std::string HEADER = "Tag,Temperatur,Attribut,Kommentar\r\n";
constexpr int COMMAND_LIMIT_MS = 10000;
constexpr int SETTLE_MS = 1600;

class WaylandSmoke : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char *tool : {"sway", "swaymsg", "wtype"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                GTEST_SKIP() << tool << " is missing (scripts/install-deps.sh installs sway and wtype)";
            }
        }
        ASSERT_TRUE(scratch_.isValid());
        const QDir scratch(scratch_.path());
        for (const char *folder : {"root", "run", "home"}) {
            ASSERT_TRUE(scratch.mkpath(QString::fromLatin1(folder)));
        }
        std::filesystem::permissions(Path("run"), std::filesystem::perms::owner_all);
        std::ofstream(Path("sway.conf")) << "xwayland disable\noutput HEADLESS-1 resolution 640x480\n";
        // sway runs as a user, never as root: as root the program would also run as the user `nobody`.
        if (::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            ASSERT_NE(nobody, nullptr);
            user_ = {QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                     QStringLiteral("--regid=%1").arg(nobody->pw_gid), QStringLiteral("--clear-groups"),
                     QStringLiteral("--")};
            std::filesystem::permissions(scratch_.path().toStdString(),
                                         std::filesystem::perms::owner_all |
                                             std::filesystem::perms::group_exec |
                                             std::filesystem::perms::others_exec);
            for (const char *folder : {"root", "run", "home"}) {
                ASSERT_EQ(::chown(Path(folder).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
            }
            owner_ = {static_cast<long>(nobody->pw_uid), static_cast<long>(nobody->pw_gid)};
        }
        Start(sway_, QStringLiteral("sway"),
              {QStringLiteral("-c"), QString::fromStdString(Path("sway.conf"))});
        ASSERT_TRUE(XServerFixture::WaitFor([&] {
            return Environment().contains(QStringLiteral("SWAYSOCK")) &&
                   std::filesystem::exists(Path("run") / "wayland-1");
        })) << "sway did not start";
    }

    void TearDown() override {
        for (QProcess *process : {&plenta_, &sway_}) {
            if (process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(COMMAND_LIMIT_MS)) {
                    process->kill();
                    process->waitForFinished(COMMAND_LIMIT_MS);
                }
            }
        }
    }

    std::filesystem::path Path(const char *name) const {
        return std::filesystem::path(scratch_.path().toStdString()) / name;
    }

    QProcessEnvironment Environment() const {
        QProcessEnvironment environment;
        const QString run = QString::fromStdString(Path("run").string());
        const QStringList sockets = QDir(run).entryList({QStringLiteral("sway-ipc.*")}, QDir::System);
        environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        environment.insert(QStringLiteral("HOME"), QString::fromStdString(Path("home").string()));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
        environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-1"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        environment.insert(QStringLiteral("PLENTA_ROOT"), QString::fromStdString(Path("root").string()));
        if (!sockets.isEmpty()) {
            environment.insert(QStringLiteral("SWAYSOCK"), run + QLatin1Char('/') + sockets.front());
        }
        return environment;
    }

    void Start(QProcess &process, const QString &program, const QStringList &arguments) const {
        process.setProcessEnvironment(Environment());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        const QStringList command = user_ + QStringList{program} + arguments;
        process.start(command.front(), command.mid(1));
        ASSERT_TRUE(process.waitForStarted(COMMAND_LIMIT_MS));
    }

    // Whether sway shows a window of this title.
    bool Shows(const QString &title) const {
        QProcess process;
        process.setProcessEnvironment(Environment());
        const QStringList command =
            user_ + QStringList{QStringLiteral("swaymsg"), QStringLiteral("-t"), QStringLiteral("get_tree")};
        process.start(command.front(), command.mid(1));
        process.waitForFinished(COMMAND_LIMIT_MS);
        return process.readAllStandardOutput().contains("\"name\": \"" + title.toUtf8() + "\"");
    }

    // Each run of wtype is a keyboard of its own, which the seat gets anew; a shift stroke first lets the
    // program take it before the keys that count.
    void Keys(const QStringList &wtypeArguments) const {
        QProcess process;
        Start(process, QStringLiteral("wtype"),
              QStringList{QStringLiteral("-k"), QStringLiteral("Shift_L"), QStringLiteral("-s"),
                          QStringLiteral("300")} +
                  wtypeArguments);
        process.waitForFinished(COMMAND_LIMIT_MS);
    }

    void WriteJournal(const std::string &bytes) const {
        std::ofstream(Path("root") / "plenta.txt", std::ios::binary) << bytes;
        if (owner_.first >= 0) {
            ASSERT_EQ(::chown((Path("root") / "plenta.txt").c_str(), static_cast<uid_t>(owner_.first),
                              static_cast<gid_t>(owner_.second)),
                      0);
        }
    }

    std::string Journal() const {
        std::ifstream in(Path("root") / "plenta.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    QTemporaryDir scratch_;
    QStringList user_;
    std::pair<long, long> owner_{-1, -1};
    QProcess sway_;
    QProcess plenta_;
};

TEST_F(WaylandSmoke, ReturnHeldSavesOnceAndEscapeHeldDeletesTheDay) {
    WriteJournal(HEADER);
    JournalWatch watch(Path("root") / "plenta.txt");
    Start(plenta_, QStringLiteral(PLENTA_BINARY), {});
    ASSERT_TRUE(XServerFixture::WaitFor([&] { return Shows(QStringLiteral("Plenta")); }));
    Keys({QStringLiteral("-P"), QStringLiteral("Return"), QStringLiteral("-s"), QStringLiteral("1500"),
          QStringLiteral("-p"), QStringLiteral("Return")});
    ASSERT_TRUE(XServerFixture::WaitFor([&] { return watch.Rewrites() >= 1; }));
    XServerFixture::Pause(SETTLE_MS);
    EXPECT_EQ(watch.Rewrites(), 1);
    EXPECT_EQ(Journal(), HEADER + QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")).toStdString() +
                             ",36.5,,\r\n");
    // A fresh Return confirms the box, then Escape held deletes the day.
    Keys({QStringLiteral("-P"), QStringLiteral("Return"), QStringLiteral("-s"), QStringLiteral("60"),
          QStringLiteral("-p"), QStringLiteral("Return")});
    XServerFixture::Pause(SETTLE_MS / 2);
    Keys({QStringLiteral("-P"), QStringLiteral("Escape"), QStringLiteral("-s"), QStringLiteral("1500"),
          QStringLiteral("-p"), QStringLiteral("Escape")});
    ASSERT_TRUE(XServerFixture::WaitFor([&] { return watch.Rewrites() >= 2; }));
    XServerFixture::Pause(SETTLE_MS);
    EXPECT_EQ(watch.Rewrites(), 2);
    EXPECT_EQ(Journal(), HEADER);
    EXPECT_FALSE(Shows(QStringLiteral("About Plenta"))) << "a hold is no tap";
}

} // namespace
} // namespace plenta::e2e
