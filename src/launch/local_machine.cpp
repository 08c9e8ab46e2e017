#include "launch/local_machine.h"

#include <QNetworkInterface>
#include <QSysInfo>

namespace zrk {

namespace {
QString cutAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}
} // namespace

QString getLocalMachineName() {
    return cutAtNul(QSysInfo::machineHostName().left(255));
}

QString ownAddressOf(const QList<QHostAddress>& addresses) {
    const QHostAddress* other = nullptr;
    for (const QHostAddress& address : addresses) {
        if (address.isNull() || address.isLoopback())
            continue;
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address.toString();
        if (!other)
            other = &address;
    }
    return other ? other->toString() : QString();
}

QString getLocalIPAddress() {
    return ownAddressOf(QNetworkInterface::allAddresses());
}

} // namespace zrk
