#pragma once

#include "platform/db/tsql_function_calls.h"

// GETDATE, DATEADD, DATEDIFF, DATEPART, YEAR, MONTH and DAY through the engine's date functions,
// and the days added to a date with + and -.
namespace zrk::db::tsql {

FunctionValue getDateCall(const FunctionCall& call);
FunctionValue dateAddCall(const FunctionCall& call);
FunctionValue dateDiffCall(const FunctionCall& call);
FunctionValue datePartCall(const FunctionCall& call);
// YEAR(d), MONTH(d) and DAY(d): DATEPART of the part they name.
FunctionValue datePartFunctionCall(const FunctionCall& call);

// date + n and date - n for the numbers that follow a date value in r: each adds days to date.
// Returns the token after the last one.
int addDays(Translation& tr, const Tokens& t, Range r, int nest, QString& date);

} // namespace zrk::db::tsql
