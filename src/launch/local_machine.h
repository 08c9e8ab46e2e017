#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

namespace zrk {

// The computer's name, at most 255 characters, cut at a NUL character.
QString getLocalMachineName();

// The machine's own address among the given ones: the first IPv4 address that is no loopback,
// else the first other non-loopback one; "" when there is none.
QString ownAddressOf(const QList<QHostAddress>& addresses);

// ownAddressOf the addresses of the machine's network interfaces.
QString getLocalIPAddress();

} // namespace zrk
