#pragma once

#include "platform/db/row_store.h"

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

namespace zrk::db {

// A recordset filter: comparisons of a field with a constant joined by AND and OR, with
// parentheses. Field = | <> | < | > | <= | >= | LIKE constant, Field IS [NOT] NULL; constants
// are numbers, 'text' (quotes doubled inside), #date# or NULL; LIKE takes * or % as wildcards.
// Text compares without regard to letter case.
class FilterExpression {
public:
    // Raises error 3001 for a text that is not a filter or that names a missing field.
    static FilterExpression parse(const QString& text, const std::vector<Column>& columns);

    bool matches(const RowStore& rows, int row) const;

    struct Node;

private:
    std::shared_ptr<const Node> root_;
};

// Sort keys: "FProfit DESC, FName"; raises error 3265 for a missing field.
struct SortKey {
    int column;
    bool descending;
};
std::vector<SortKey> parseSort(const QString& text, const std::vector<Column>& columns);
// Orders row a before row b under the keys (Nulls first in ascending order).
int compareRows(const RowStore& rows, int a, int b, const std::vector<SortKey>& keys);

// Wildcard match without regard to letter case: * and % stand for any run of characters.
bool likeMatch(QStringView text, QStringView pattern);

} // namespace zrk::db
