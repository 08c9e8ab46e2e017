#pragma once

#include "platform/db/tsql_function_calls.h"

// CONVERT(type, value[, style]) and CAST(value AS type) in SQLite's terms: dates through the
// engine's date functions, texts, integers and decimals through CAST.
namespace zrk::db::tsql {

FunctionValue convertCall(const FunctionCall& call);
FunctionValue castCall(const FunctionCall& call);

} // namespace zrk::db::tsql
