#include "startup/instance_channel.h"

#include <QCryptographicHash>
#include <QLocalSocket>

namespace zrk {

namespace {

QByteArray showLine(InstanceChannel::Reply reply) {
    switch (reply) {
    case InstanceChannel::Reply::Shown:
        return "shown";
    case InstanceChannel::Reply::Starting:
        return "not shown: starting";
    case InstanceChannel::Reply::ServingOnly:
        return "not shown: serving objects";
    default:
        return "not shown: no window";
    }
}

InstanceChannel::Reply replyOf(const QByteArray& line) {
    using Reply = InstanceChannel::Reply;
    if (line == "shown" || line == "activated")
        return Reply::Shown;
    if (line == "not shown: starting")
        return Reply::Starting;
    if (line == "not shown: serving objects")
        return Reply::ServingOnly;
    if (line.startsWith("not shown") || line == "nowindow")
        return Reply::NoWindow;
    if (line == "quitting")
        return Reply::Quitting;
    if (line == "not quitting: window open")
        return Reply::NotQuitting;
    return Reply::NoAnswer;
}

} // namespace

QString InstanceChannel::channelName(unsigned userId, const QString& display) {
    // Display names hold ":" and "/" that a socket name should not; a short digest keeps it safe.
    const QByteArray digest =
        QCryptographicHash::hash(display.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("zrkboss-%1-%2").arg(userId).arg(QString::fromLatin1(digest));
}

InstanceChannel::InstanceChannel(const QString& name, const QString& folder)
    : name_(name), socketPath_(folder + QLatin1Char('/') + name + QStringLiteral(".socket")),
      lock_(folder + QLatin1Char('/') + name + QStringLiteral(".lock")) {
    lock_.setStaleLockTime(0); // a lock whose owner died is taken over
}

InstanceChannel::~InstanceChannel() {
    if (server_)
        server_->close(); // removes the socket
}

bool InstanceChannel::claim() {
    if (!lock_.tryLock(0))
        return false;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, nobody else listens here: a socket still there was left by a copy that
    // died.
    QLocalServer::removeServer(socketPath_);
    if (!server_->listen(socketPath_)) {
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
            if (command == "show" || command == "activate") {
                const Reply shown = onShow ? onShow() : Reply::NoWindow;
                if (command == "show")
                    socket->write(showLine(shown) + '\n');
                else
                    socket->write(shown == Reply::Shown ? "activated\n" : "nowindow\n");
                socket->flush();
            } else if (command == "quit") {
                // Only a copy that serves objects ends from outside; the owner closes a window.
                socket->write(onQuit ? "quitting\n" : "not quitting: window open\n");
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

QByteArray InstanceChannel::exchange(const QString& command, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs))
        return {};
    socket.write(command.toUtf8() + '\n');
    socket.flush();
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return {};
    return socket.readLine().trimmed();
}

InstanceChannel::Reply InstanceChannel::request(const QString& command, int timeoutMs) const {
    return replyOf(exchange(command, timeoutMs));
}

InstanceChannel::Reply InstanceChannel::handOver(int timeoutMs) const {
    QByteArray line = exchange(QStringLiteral("show"), timeoutMs);
    if (line == "unknown")
        line = exchange(QStringLiteral("activate"), timeoutMs);
    return replyOf(line);
}

InstanceChannel::Reply showAnswer(bool broughtForward, bool servingObjects, bool loggedIn) {
    if (broughtForward)
        return InstanceChannel::Reply::Shown;
    if (servingObjects)
        return InstanceChannel::Reply::ServingOnly;
    return loggedIn ? InstanceChannel::Reply::NoWindow : InstanceChannel::Reply::Starting;
}

QString handOverMessage(InstanceChannel::Reply reply) {
    switch (reply) {
    case InstanceChannel::Reply::Shown:
        return {};
    case InstanceChannel::Reply::Starting:
        return QStringLiteral("ZRK老板报表主控台正在启动，它的主窗口还没有打开。请稍候再试。");
    case InstanceChannel::Reply::ServingOnly:
        return QStringLiteral("ZRK老板报表主控台已经在运行，但只为其他程序提供服务，没有主窗口可以显示。");
    case InstanceChannel::Reply::NoAnswer:
        return QStringLiteral("ZRK老板报表主控台已经在运行，但没有响应，它的主窗口没有显示。");
    default:
        return QStringLiteral("ZRK老板报表主控台已经在运行，但没有可以显示的主窗口。");
    }
}

} // namespace zrk
