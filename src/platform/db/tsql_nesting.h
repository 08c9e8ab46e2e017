#pragma once

#include "platform/db/tsql_lexer.h"

namespace zrk::db::tsql {

// How deep brackets and CASE expressions may nest in one batch before it is refused unread.
inline constexpr int kMaxTextNesting = 256;

// Refuses, in one pass over the tokens, a text whose brackets and CASE expressions nest deeper
// than kMaxTextNesting: the translation of such a text would take time that grows with the
// square of its depth before failing anyway.
void checkNesting(const Tokens& tokens);

} // namespace zrk::db::tsql
