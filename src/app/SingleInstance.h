// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the program to one instance per user: the first process listens on a local socket named after the
// product and the user; a later one connects, asks the first to come forward and then ends.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace plenta {

// A plain Unix-domain socket watched by the event loop: Qt's local-socket classes would bring Qt Network and
// the Kerberos and proxy libraries behind it into every start.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    // "<runtime folder>/<product>-<user>": $XDG_RUNTIME_DIR, or the temporary folder without it.
    static QString ServerNameFor(const QString &product);

    enum class Role { First, Second };

    // Asks a running instance to come forward (Role::Second), or starts listening (Role::First). A socket
    // left by a program that died is removed first.
    Role Claim();

signals:
    // Another process asked this instance to come forward.
    void activationRequested();

private:
    void AcceptPending();

    QString serverName_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace plenta
