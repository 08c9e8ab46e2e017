#include "session/login_entry.h"

namespace zrk {

QString loginRegistryPath(const QString& terminalName, const QString& acctId) {
    if (terminalName.isEmpty())
        return kLoginRegistryRoot + QLatin1Char('\\') + acctId;
    return kLoginRegistryRoot + QLatin1Char('\\') + terminalName + QLatin1Char('\\') + acctId +
           QLatin1Char('\\');
}

} // namespace zrk
