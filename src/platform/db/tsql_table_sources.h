#pragma once

#include "platform/db/tsql_token_range.h"

#include <QString>
#include <vector>

// The tables a statement reads from or writes to, with the aliases it gives them: what a
// column name in the statement may refer to.
namespace zrk::db::tsql {

struct TableSource {
    QString table; // empty for a derived table
    QString alias;
};

// The table sources of the statement in r: those after FROM (with its commas), JOIN and INTO,
// and an UPDATE's target.
std::vector<TableSource> tableSources(const Tokens& t, Range r);

} // namespace zrk::db::tsql
