#pragma once

#include "platform/db/connection.h"
#include "platform/db/row_store.h"

#include <QString>
#include <memory>
#include <vector>

namespace zrk::functions {

// How a column's values are shown and compared.
enum class ColumnKind {
    Text,
    Number, // an integer or a quantity, shown as the database gives it
    Money,  // an amount with two decimals as kept (a single value, not a sum)
    Cents,  // an exact amount in integer cents
    Date,   // the day of a stored date
    Flag,   // 1 shown as "是", anything else as ""
    Term,   // a fixed word of the list's own (a balance side, a state), shown translated
    Hidden, // a key that is not shown (the bill's FInterID)
};

struct ListColumn {
    QString field; // the name of the query's column
    QString title; // untranslated
    ColumnKind kind = ColumnKind::Text;
};

// A table to show: the rows of one query, and its columns in the order of the query.
struct TableData {
    std::vector<ListColumn> columns;
    std::shared_ptr<const db::RowStore> rows = std::make_shared<db::RowStore>();

    int rowCount() const { return rows->rowCount(); }
    // The store column of a field, -1 when the query has none.
    int columnOf(const QString& field) const;
};

// Runs the query and keeps its rows. The query must give every column of the list, by name; a
// failing query (a missing table among them) raises the engine's error with the list's title
// before it.
TableData queryTable(db::Connection& connection, const QString& sql, std::vector<ListColumn> columns,
                     const QString& title);

} // namespace zrk::functions
