#pragma once

#include "platform/db/tsql_dialect.h"
#include "platform/db/tsql_token_range.h"

#include <vector>

// The statements that read and change rows: SELECT (and SELECT ... INTO, which creates a
// table), INSERT, UPDATE, DELETE and TRUNCATE TABLE. Each takes the statement's tokens in r.
namespace zrk::db::tsql {

class Translation;

std::vector<Step> translateSelect(Translation& tr, const Tokens& t, Range r);
std::vector<Step> translateInsert(Translation& tr, const Tokens& t, Range r);
std::vector<Step> translateUpdate(Translation& tr, const Tokens& t, Range r);
std::vector<Step> translateDelete(Translation& tr, const Tokens& t, Range r);
std::vector<Step> translateTruncate(Translation& tr, const Tokens& t, Range r);

} // namespace zrk::db::tsql
