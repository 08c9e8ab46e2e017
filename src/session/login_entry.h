#pragma once

#include <QString>

namespace zrk {

inline const QString kLoginRegistryRoot = QStringLiteral("SoftWare\\QuorVel\\QVReg");

// The key below the user's registry where the login entry of an account set is kept: the
// start-up code writes it, the account-set login reads it to log in without a dialog.
QString loginRegistryPath(const QString& terminalName, const QString& acctId);

} // namespace zrk
