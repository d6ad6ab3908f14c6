// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the program to one instance per user through a Unix-domain socket.
#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <utility>

namespace plenta {

namespace {

constexpr int CONNECT_WAIT_SECONDS = 1;
constexpr int BACKLOG = 8;
constexpr std::string_view COME_FORWARD = "forward\n";

QString UserName() {
    if (const passwd *entry = getpwuid(getuid())) {
        return QString::fromLocal8Bit(entry->pw_name);
    }
    return QString::number(getuid());
}

// False when the path does not fit the socket address.
bool AddressOf(const QByteArray &path, sockaddr_un &address) {
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

// Connects to a listening instance and asks it to come forward; false when nobody listens there.
bool AskToComeForward(const sockaddr_un &address) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    // A first instance too busy to take the connection is waited on for a moment, not forever.
    const timeval wait{.tv_sec = CONNECT_WAIT_SECONDS, .tv_usec = 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    if (connected) {
        ::send(fd, COME_FORWARD.data(), COME_FORWARD.size(), MSG_NOSIGNAL);
    }
    ::close(fd);
    return connected;
}

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject *parent)
    : QObject(parent)
    , serverName_(std::move(serverName)) {}

SingleInstance::~SingleInstance() {
    notifier_.reset();
    if (listener_ >= 0) {
        ::close(listener_);
        // The socket file goes with the instance, so the next start finds no leftover.
        ::unlink(QFile::encodeName(serverName_).constData());
    }
}

QString SingleInstance::ServerNameFor(const QString &product) {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::tempPath();
    }
    return folder + QLatin1Char('/') + product + QLatin1Char('-') + UserName();
}

SingleInstance::Role SingleInstance::Claim() {
    const QByteArray path = QFile::encodeName(serverName_);
    sockaddr_un address{};
    if (!AddressOf(path, address)) {
        // No socket can be made there; the program runs without the one-instance rule.
        return Role::First;
    }
    if (AskToComeForward(address)) {
        return Role::Second;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return Role::First;
    }
    const auto *raw = reinterpret_cast<const sockaddr *>(&address);
    bool bound = ::bind(fd, raw, sizeof address) == 0;
    if (!bound && errno == EADDRINUSE) {
        // Nobody answered, so the file there is a leftover of a program that died.
        ::unlink(path.constData());
        bound = ::bind(fd, raw, sizeof address) == 0;
    }
    if (!bound || ::listen(fd, BACKLOG) != 0) {
        ::close(fd);
        return Role::First;
    }
    // Only this user may ask the window to come forward.
    ::chmod(path.constData(), S_IRUSR | S_IWUSR);
    listener_ = fd;
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { AcceptPending(); });
    return Role::First;
}

void SingleInstance::AcceptPending() {
    for (;;) {
        const int peer = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (peer < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        // The request is the connection itself; what the other process wrote needs no reading.
        ::close(peer);
        emit activationRequested();
    }
}

} // namespace plenta
