#pragma once

#include "platform/db/tsql_token_range.h"

#include <QString>
#include <QStringList>
#include <vector>

// The tables a statement reads from or writes to, with the aliases it gives them: what a
// column name in the statement may refer to.
namespace zrk::db::tsql {

struct TableSource {
    QString table; // empty for a derived table
    QString alias;
    // The query a derived table or a common table expression stands for (inside its
    // parentheses), and the column names the common table expression gives it; empty for a
    // stored table.
    Range query;
    QStringList columns;
};

// A common table expression of a WITH clause: WITH name [(columns)] AS (query).
struct CommonTable {
    QString name;
    QStringList columns;
    Range query;
};

// The common table expressions of the WITH at r.begin; none when r does not start with WITH.
std::vector<CommonTable> commonTables(const Tokens& t, Range r);

// The table sources of the statement in r: those after FROM (with its commas), JOIN and INTO,
// and an UPDATE's target. A name of one of `known` stands for that common table expression.
std::vector<TableSource> tableSources(const Tokens& t, Range r, const std::vector<CommonTable>& known = {});

} // namespace zrk::db::tsql
