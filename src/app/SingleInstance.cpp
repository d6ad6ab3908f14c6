// Keeps the program to one instance per user through a local socket.
#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <pwd.h>
#include <unistd.h>

#include <utility>

namespace plenta {

namespace {

constexpr int CONNECT_WAIT_MS = 1000;
const QByteArray COME_FORWARD = QByteArrayLiteral("forward\n");

QString UserName() {
    if (const passwd *entry = getpwuid(getuid())) {
        return QString::fromLocal8Bit(entry->pw_name);
    }
    return QString::number(getuid());
}

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject *parent)
    : QObject(parent)
    , serverName_(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerNameFor(const QString &product) {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::tempPath();
    }
    return folder + QLatin1Char('/') + product + QLatin1Char('-') + UserName();
}

SingleInstance::Role SingleInstance::Claim() {
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    if (probe.waitForConnected(CONNECT_WAIT_MS)) {
        probe.write(COME_FORWARD);
        probe.waitForBytesWritten(CONNECT_WAIT_MS);
        probe.disconnectFromServer();
        return Role::Second;
    }
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName_)) {
        // Nobody answered, so the socket file is a leftover of a program that died.
        QLocalServer::removeServer(serverName_);
        server_->listen(serverName_);
    }
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    return Role::First;
}

} // namespace plenta
