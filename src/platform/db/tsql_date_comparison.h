#pragma once

#include "platform/db/tsql_sqlite_text.h"
#include "platform/db/tsql_token_range.h"

// Comparisons of a date with a date literal. A stored date is text, so the literal becomes the
// texts that the stored dates meaning the same moment lie between (see DateKeys).
namespace zrk::db::tsql {

class Translation;

// Writes the comparison of a date with a date literal that starts at token i of the expression
// in r, [NOT] BETWEEN included. Returns the token after the comparison, or kNoToken (writing
// nothing) when the tokens at i are no such comparison.
int writeDateComparison(Translation& tr, const Tokens& t, Range r, int i, int nest, Writer& out);

} // namespace zrk::db::tsql
