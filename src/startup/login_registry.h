#pragma once

#include "session/login_entry.h"

#include <QString>

namespace zrk {

class ConsoleContext;

inline const QString kServerManagerProgId = QStringLiteral("ServerMgr.clsAct");

// Writes the login entry that the account-set login reads to log in without a dialog; the
// password is kept scrambled. False when the entry could not be written.
bool writeLoginRegistry(ConsoleContext& ctx, const QString& userName, const QString& acctId,
                        const QString& password);

// The machine that hosts a component: its configured remote server, else the login entry's
// server, else this machine.
QString getServerName(ConsoleContext& ctx, const QString& progId);

QString getMachineName();
QString getTerminalName();

} // namespace zrk
