#pragma once

#include "core/console_context.h"
#include "platform/db/connection.h"

#include <QString>
#include <QStringList>

namespace zrk::reports {

// The account set a report reads: the one of the property string (its first brace group), or,
// for an empty one, the session's. The session's open company connection serves when it is the
// same account set; otherwise the report opens a connection of its own.
db::ConnectionPtr reportConnection(ConsoleContext& ctx, const QString& propsString);

// Raises Error (InvalidProcedureCall, source the report's ProgID) naming the first of the tables
// that the account set lacks.
void requireTables(ConsoleContext& ctx, db::Connection& connection, const QString& source,
                   const QStringList& tables);

// An SQL date literal for the start of a day: '20250301' (read alike by every engine).
QString dayLiteral(const QDate& day);

} // namespace zrk::reports
