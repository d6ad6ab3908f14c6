// SPDX-License-Identifier: GPL-3.0-or-later
// The built program on a private Xvfb, worked with xdotool and judged by its journal, windows and screen.
#include "XServerFixture.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <fstream>
#include <iterator>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plenta::e2e {

namespace {

constexpr int COMMAND_LIMIT_MS = 10000;
// Display numbers the tests draw from: clear of desktops (from 0) and of xvfb-run's (from 99 down).
constexpr int FIRST_DISPLAY = 200;
constexpr int DISPLAY_COUNT = 800;
constexpr int TAP_MS = 60;
// Where the pointer rests between clicks: over the chart, clear of the toolbar's tooltips.
constexpr QPoint POINTER_REST{120, 150};

void Stop(QProcess &process) {
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(COMMAND_LIMIT_MS)) {
            process.kill();
            process.waitForFinished(COMMAND_LIMIT_MS);
        }
    }
}

} // namespace

std::string NameOf(const DesktopSetup &desktop) {
    std::string name = desktop.manager == WindowManager::Openbox ? "Openbox" : "Bare";
    if (desktop.locale != nullptr) {
        // "de_DE.UTF-8" -> "de_DE"
        name += "_" + std::string(desktop.locale).substr(0, std::string(desktop.locale).find('.'));
    }
    return name;
}

void XServerFixture::SetUp() {
    std::vector<const char *> tools{"Xvfb", "xdotool", "xwininfo", "xprop", "xmessage", "xclip"};
    if (desktop_.manager == WindowManager::Openbox) {
        tools.insert(tools.end(), {"openbox", "wmctrl"});
    }
    for (const char *tool : tools) {
        ASSERT_FALSE(QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            << tool << " is missing: run scripts/install-deps.sh";
    }
    ASSERT_TRUE(scratch_.isValid());
    root_ = std::filesystem::path(scratch_.path().toStdString()) / "root";
    std::filesystem::create_directories(root_);
    std::filesystem::create_directories(scratch_.path().toStdString() + "/runtime");
    std::filesystem::permissions(scratch_.path().toStdString() + "/runtime",
                                 std::filesystem::perms::owner_all);
    if (desktop_.user == ProgramUser::Unprivileged && ::geteuid() == 0) {
        HandOverToUser();
    }

    // Several servers may start at once on this machine. Each takes a display number at random and holds it
    // by the server's lock file; a number another server holds is simply tried again with another.
    bool started = false;
    for (int attempt = 0; attempt < 10 && !started; ++attempt) {
        started = StartServer(FIRST_DISPLAY + QRandomGenerator::global()->bounded(DISPLAY_COUNT));
    }
    ASSERT_TRUE(started) << "Xvfb did not start: " << ServerLog().toStdString();
    if (desktop_.manager == WindowManager::Openbox) {
        StartWindowManager();
    }
}

void XServerFixture::HandOverToUser() {
    const passwd *nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr) << "no user 'nobody' to run the program as";
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty());
    switchUid_ = static_cast<long>(nobody->pw_uid);
    switchGid_ = static_cast<long>(nobody->pw_gid);
    // The scratch folder is passed through; the device root, the runtime folder and a home are the user's.
    const std::string scratch = scratch_.path().toStdString();
    std::filesystem::create_directories(scratch + "/home");
    ASSERT_EQ(::chmod(scratch.c_str(), 0755), 0);
    for (const std::string &folder : {root_.string(), scratch + "/runtime", scratch + "/home"}) {
        ASSERT_EQ(::chown(folder.c_str(), nobody->pw_uid, nobody->pw_gid), 0) << folder;
    }
}

void XServerFixture::StartWindowManager() {
    windowManager_.setProcessEnvironment(Environment());
    windowManager_.setStandardOutputFile(QProcess::nullDevice());
    windowManager_.setStandardErrorFile(scratch_.filePath(QStringLiteral("openbox.log")));
    windowManager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    ASSERT_TRUE(windowManager_.waitForStarted(COMMAND_LIMIT_MS));
    // The manager is in charge once it names its check window on the root, and has its keys and theme once it
    // names the theme.
    ASSERT_TRUE(WaitFor([&] {
        const QString root = Run(QStringLiteral("xprop"), {QStringLiteral("-root")});
        return root.contains(QLatin1String("_NET_SUPPORTING_WM_CHECK(WINDOW): window id")) &&
               root.contains(QLatin1String("_OB_THEME"));
    })) << "openbox did not start";
}

bool XServerFixture::StartServer(int number) {
    StopServer();
    server_.setProgram(QStringLiteral("Xvfb"));
    server_.setArguments({QStringLiteral(":%1").arg(number), QStringLiteral("-screen"), QStringLiteral("0"),
                          QStringLiteral("%1x%2x24").arg(screen_.width()).arg(screen_.height()),
                          QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.setStandardErrorFile(scratch_.filePath(QStringLiteral("xvfb.log")));
    server_.start();
    if (!server_.waitForStarted(COMMAND_LIMIT_MS)) {
        return false;
    }
    display_ = QStringLiteral(":%1").arg(number);
    // The display is ours once its lock file names our server, and ready once its socket is there.
    const auto ready = [&] {
        QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(number));
        return lock.open(QIODevice::ReadOnly) &&
               lock.readAll().trimmed().toLongLong() == server_.processId() &&
               QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number));
    };
    return WaitFor([&] { return server_.state() == QProcess::NotRunning || ready(); }) &&
           server_.state() == QProcess::Running;
}

void XServerFixture::StopServer() {
    Stop(server_);
}

QString XServerFixture::ServerLog() const {
    QFile log(scratch_.filePath(QStringLiteral("xvfb.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll().right(2000)) : QString();
}

void XServerFixture::TearDown() {
    StopPlenta();
    Stop(other_);
    Stop(windowManager_);
    StopServer();
}

QProcessEnvironment XServerFixture::Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("PLENTA_ROOT"), QString::fromStdString(root_.string()));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), scratch_.filePath(QStringLiteral("runtime")));
    environment.remove(QStringLiteral("XAUTHORITY"));
    // The window manager keeps its settings and log in the test's scratch folder, not in the caller's home.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch_.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), scratch_.filePath(QStringLiteral("cache")));
    if (SwitchesUser()) {
        environment.insert(QStringLiteral("HOME"), scratch_.filePath(QStringLiteral("home")));
    }
    if (desktop_.locale != nullptr) {
        for (const QString &name : environment.keys()) {
            if (name.startsWith(QLatin1String("LC_")) || name == QLatin1String("LANGUAGE")) {
                environment.remove(name);
            }
        }
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(desktop_.locale));
    }
    environment.insert(variables_);
    return environment;
}

QString XServerFixture::Run(const QString &program, const QStringList &arguments, int *exitCode) const {
    QProcess process;
    process.setProcessEnvironment(Environment());
    process.start(program, arguments);
    const bool finished = process.waitForFinished(COMMAND_LIMIT_MS);
    if (!finished) {
        process.kill();
        process.waitForFinished(COMMAND_LIMIT_MS);
        ADD_FAILURE() << program.toStdString() << " did not finish";
    }
    if (exitCode != nullptr) {
        *exitCode = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void XServerFixture::StartPlenta(const QStringList &arguments, StartFocus focus) {
    watch_ = std::make_unique<JournalWatch>(Journal());
    ASSERT_TRUE(watch_->Watching());
    plenta_.setProcessEnvironment(Environment());
    plenta_.setProcessChannelMode(QProcess::ForwardedChannels);
    if (SwitchesUser()) {
        // setpriv runs the program in its own process, so ending it ends the program.
        plenta_.start(QStringLiteral("setpriv"),
                      QStringList{QStringLiteral("--reuid=%1").arg(switchUid_),
                                  QStringLiteral("--regid=%1").arg(switchGid_),
                                  QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                  QStringLiteral(PLENTA_BINARY)} +
                          arguments);
    } else {
        plenta_.start(QStringLiteral(PLENTA_BINARY), arguments);
    }
    ASSERT_TRUE(plenta_.waitForStarted(COMMAND_LIMIT_MS));
    std::optional<XWindow> window;
    ASSERT_TRUE(WaitFor([&] { return (window = MainWindow()).has_value() || !PlentaRunning(); }));
    ASSERT_TRUE(window.has_value()) << "no main window on " << display_.toStdString() << "; the program "
                                    << (PlentaRunning() ? "runs" : "ended") << ", the server "
                                    << (server_.state() == QProcess::Running ? "runs" : "ended") << ": "
                                    << ServerLog().toStdString();
    const QPoint rest = window->geometry.topLeft() + POINTER_REST;
    QStringList commands{QStringLiteral("mousemove"), QString::number(rest.x()), QString::number(rest.y())};
    if (focus == StartFocus::MainWindow) {
        // A window manager hands the keyboard on when asked through it, a bare server when told directly.
        commands << (desktop_.manager == WindowManager::None ? QStringLiteral("windowfocus")
                                                             : QStringLiteral("windowactivate"))
                 << QString::number(window->id);
    }
    Run(QStringLiteral("xdotool"), commands);
}

bool XServerFixture::PlentaRunning() const {
    return plenta_.state() != QProcess::NotRunning;
}

bool XServerFixture::StopPlenta() {
    if (!PlentaRunning()) {
        return true;
    }
    Stop(plenta_);
    return false;
}

void XServerFixture::KeyDown(const QString &key) {
    Run(QStringLiteral("xdotool"), {QStringLiteral("keydown"), key});
}

void XServerFixture::KeyUp(const QString &key) {
    Run(QStringLiteral("xdotool"), {QStringLiteral("keyup"), key});
}

void XServerFixture::Tap(const QString &key) {
    // As long as a quick finger holds a key: xdotool's own tap lets go within a millisecond, so quickly that
    // the release may be queued for a box that its press closes and be lost with the box.
    Hold(key, TAP_MS);
}

void XServerFixture::Hold(const QString &key, int milliseconds) {
    KeyDown(key);
    Pause(milliseconds);
    KeyUp(key);
}

void XServerFixture::Click(QPoint inMainWindow) {
    std::optional<XWindow> window;
    ASSERT_TRUE(WaitFor([&] { return (window = MainWindow()).has_value(); })) << "no main window to click";
    const QPoint at = window->geometry.topLeft() + inMainWindow;
    const QPoint rest = window->geometry.topLeft() + POINTER_REST;
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
         QStringLiteral("click"), QStringLiteral("1"), QStringLiteral("mousemove"), QString::number(rest.x()),
         QString::number(rest.y())});
}

void XServerFixture::ClickAt(QPoint onScreen) {
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(onScreen.x()), QString::number(onScreen.y()),
         QStringLiteral("click"), QStringLiteral("1")});
}

unsigned long XServerFixture::OpenOtherWindow(QPoint at, bool mapped) {
    other_.setProcessEnvironment(Environment());
    other_.start(QStringLiteral("xmessage"),
                 {QStringLiteral("-geometry"), QStringLiteral("+%1+%2").arg(at.x()).arg(at.y()),
                  QStringLiteral("-name"), QStringLiteral("plentaother"), QStringLiteral("Another program")});
    if (!other_.waitForStarted(COMMAND_LIMIT_MS)) {
        ADD_FAILURE() << "xmessage did not start";
        return 0;
    }
    const QString id =
        Run(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
             QStringLiteral("--classname"), QStringLiteral("plentaother")})
            .section(QLatin1Char('\n'), 0, 0);
    if (!mapped) {
        Run(QStringLiteral("xdotool"), {QStringLiteral("windowunmap"), QStringLiteral("--sync"), id});
    }
    return id.toULong();
}

void XServerFixture::MapOtherWindow(unsigned long id) {
    QStringList commands{QStringLiteral("windowmap"), QString::number(id)};
    if (desktop_.manager == WindowManager::None) {
        commands << QStringLiteral("windowfocus") << QString::number(id);
    }
    Run(QStringLiteral("xdotool"), commands);
}

unsigned long XServerFixture::FocusedWindow() const {
    return Run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}).trimmed().toULong();
}

unsigned long XServerFixture::ActiveWindow() const {
    // `_NET_ACTIVE_WINDOW(WINDOW): window id # 0x400007`
    const QString property =
        Run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
    return property.section(QLatin1Char('#'), 1).trimmed().toULong(nullptr, 16);
}

QString XServerFixture::Clipboard() const {
    return Run(QStringLiteral("xclip"),
               {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")});
}

void XServerFixture::SetClipboard(const QByteArray &text) {
    const QString file = scratch_.filePath(QStringLiteral("clipboard.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(text) == text.size());
    out.close();
    // xclip stays behind as the clipboard's owner until the server ends.
    Run(QStringLiteral("xclip"),
        {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
         QStringLiteral("UTF8_STRING"), QStringLiteral("-i"), file});
}

void XServerFixture::RequestMaximise(unsigned long id) {
    Run(QStringLiteral("wmctrl"),
        {QStringLiteral("-i"), QStringLiteral("-r"), QString::number(id), QStringLiteral("-b"),
         QStringLiteral("add,maximized_vert,maximized_horz")});
}

std::vector<XWindow> XServerFixture::Windows() const {
    // xwininfo lists the window tree, each window's children after it and the root's topmost first, with
    // their class when they have one and their place on the screen last (a window manager's frames hold the
    // program's windows): `0x200010 "About Plenta": ("plenta" "plenta")  208x102+0+20  +16+96`.
    static const QRegularExpression CHILD(QString::fromLatin1(
        R"re(^\s*(0x[0-9a-fA-F]+) (?:"(.*)"|\(has no name\)): \("plenta" .*?\s(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))re"));
    std::vector<XWindow> windows;
    // xwininfo gives up half way with an X error when a window of the tree goes while it walks it (a window
    // manager's frame of a window just unmapped), and the windows after it are missing: it walks again.
    QString tree;
    for (int attempt = 0, status = -1; attempt < 5 && status != 0; ++attempt) {
        tree = Run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")}, &status);
    }
    for (const QString &line : tree.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = CHILD.match(line);
        if (!match.hasMatch()) {
            continue;
        }
        const QString id = match.captured(1);
        const QString state = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
        if (!state.contains(QLatin1String("IsViewable"))) {
            continue;
        }
        XWindow window;
        window.id = id.toULong(nullptr, 16);
        window.title = match.captured(2);
        window.geometry = QRect(match.captured(5).toInt(), match.captured(6).toInt(),
                                match.captured(3).toInt(), match.captured(4).toInt());
        // Drop-down lists, calendars and tooltips bypass the window manager; boxes say they are dialogs.
        if (state.contains(QLatin1String("Override Redirect State: yes"))) {
            window.kind = WindowKind::Popup;
        } else if (Run(QStringLiteral("xprop"),
                       {QStringLiteral("-id"), id, QStringLiteral("_NET_WM_WINDOW_TYPE")})
                       .contains(QLatin1String("_NET_WM_WINDOW_TYPE_DIALOG"))) {
            window.kind = WindowKind::Dialog;
        }
        windows.push_back(window);
    }
    return windows;
}

std::optional<XWindow> XServerFixture::MainWindow() const {
    for (const XWindow &window : Windows()) {
        if (window.kind == WindowKind::Normal && window.title == QLatin1String("Plenta")) {
            return window;
        }
    }
    return std::nullopt;
}

std::vector<XWindow> XServerFixture::Boxes() const {
    std::vector<XWindow> boxes;
    for (const XWindow &window : Windows()) {
        if (window.kind == WindowKind::Dialog) {
            boxes.push_back(window);
        }
    }
    return boxes;
}

QImage XServerFixture::Screenshot() const {
    static int count = 0;
    const QString file = scratch_.filePath(QStringLiteral("screen-%1.png").arg(++count));
    Run(QStringLiteral(PLENTA_GRAB), {file});
    return QImage(file);
}

std::string XServerFixture::JournalBytes() const {
    std::ifstream in(Journal(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void XServerFixture::WriteJournal(const std::string &bytes) const {
    std::ofstream(Journal(), std::ios::binary) << bytes;
    if (SwitchesUser() &&
        ::chown(Journal().c_str(), static_cast<uid_t>(switchUid_), static_cast<gid_t>(switchGid_)) != 0) {
        ADD_FAILURE() << "the journal could not be handed to the program's user";
    }
}

int XServerFixture::JournalRewrites() {
    return watch_ != nullptr ? watch_->Rewrites() : 0;
}

bool XServerFixture::WaitFor(const std::function<bool()> &condition, int limitMs) {
    QDeadlineTimer deadline(limitMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        Pause(50);
    }
    return true;
}

void XServerFixture::Pause(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace plenta::e2e
