#include "platform/db/tsql_errors.h"

#include "platform/db/db_errors.h"
#include "platform/error.h"

namespace zrk::db::tsql {

QString errorSource() {
    return QStringLiteral("zrk.SQLite");
}

void unsupported(const QString& what) {
    throw Error(dberr::UnsupportedSyntax, errorSource(),
                QStringLiteral("The embedded database does not support this T-SQL construct: %1").arg(what));
}

void syntaxError(const QString& near) {
    throw Error(dberr::CommandFailed, errorSource(), QStringLiteral("Incorrect syntax near '%1'.").arg(near));
}

void commandFailed(const QString& message) {
    throw Error(dberr::CommandFailed, errorSource(), message);
}

} // namespace zrk::db::tsql
