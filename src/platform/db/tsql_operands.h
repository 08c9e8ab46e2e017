#pragma once

#include "platform/db/tsql_token_range.h"

// The bounds of one operand of an expression: a literal, a (dotted) name, a function call, a
// parenthesised expression or a CASE ... END.
namespace zrk::db::tsql {

// Where the operand starting at r.begin ends, within r; kNoToken when no operand starts there.
int operandEnd(const Tokens& t, Range r);

// Where the operand ending at r.end - 1 starts, not before r.begin; kNoToken when it is not one
// operandEnd would read.
int operandStart(const Tokens& t, Range r);

} // namespace zrk::db::tsql
