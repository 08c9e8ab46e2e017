#include "startup/instance_channel.h"

#include <QCryptographicHash>
#include <QLocalSocket>

namespace zrk {

QString InstanceChannel::channelName(unsigned userId, const QString& display) {
    // Display names hold ":" and "/" that a socket name should not; a short digest keeps it safe.
    const QByteArray digest =
        QCryptographicHash::hash(display.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("zrkboss-%1-%2").arg(userId).arg(QString::fromLatin1(digest));
}

InstanceChannel::InstanceChannel(const QString& name, const QString& folder)
    : name_(name), lock_(folder + QLatin1Char('/') + name + QStringLiteral(".lock")) {
    lock_.setStaleLockTime(0); // a lock whose owner died is taken over
}

InstanceChannel::~InstanceChannel() {
    if (server_)
        server_->close();
}

bool InstanceChannel::claim() {
    if (!lock_.tryLock(0))
        return false;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name_); // a socket left behind by a copy that died
    if (!server_->listen(name_)) {
        server_.reset();
        return true; // still the only copy; it just cannot be reached
    }
    connect(server_.get(), &QLocalServer::newConnection, this, &InstanceChannel::serve);
    return true;
}

void InstanceChannel::serve() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray command = socket->readLine().trimmed();
            if (command == "activate") {
                const bool shown = onActivate && onActivate();
                socket->write(shown ? "activated\n" : "nowindow\n");
                socket->flush();
            } else if (command == "quit") {
                socket->write("quitting\n");
                socket->flush();
                if (onQuit)
                    onQuit();
            } else {
                socket->write("unknown\n");
            }
            socket->disconnectFromServer();
        });
    }
}

InstanceChannel::Reply InstanceChannel::request(const QString& command, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return Reply::NoAnswer;
    socket.write(command.toUtf8() + '\n');
    socket.flush();
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return Reply::NoAnswer;
    const QByteArray reply = socket.readLine().trimmed();
    if (reply == "activated")
        return Reply::Activated;
    if (reply == "nowindow")
        return Reply::NoWindow;
    if (reply == "quitting")
        return Reply::Quitting;
    return Reply::NoAnswer;
}

} // namespace zrk
