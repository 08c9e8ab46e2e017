#pragma once

#include "platform/db/tsql_dialect.h"
#include "platform/db/tsql_function_calls.h"

#include <QString>

// The server's catalogue as the embedded engine keeps it: OBJECT_ID and OBJECTPROPERTY over the
// engine's sysobjects view, and extended properties, which a batch reads through
// sys.extended_properties and writes with sp_addextendedproperty.
namespace zrk::db::tsql {

FunctionValue objectIdCall(const FunctionCall& call);
FunctionValue objectPropertyCall(const FunctionCall& call);

// The SQLite name of the catalogue view sys.<view>; raises Error for a view the engine lacks.
QString systemView(Program& program, const QString& view);

// EXEC [dbo.]procedure arguments ..., for the statement in r.
Step executeProcedure(Program& program, const Tokens& t, Range r);

} // namespace zrk::db::tsql
