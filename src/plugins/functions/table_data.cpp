#include "plugins/functions/table_data.h"

#include "platform/error.h"

namespace zrk::functions {

int TableData::columnOf(const QString& field) const {
    for (int i = 0; i < rows->columnCount(); ++i)
        if (rows->columns[static_cast<std::size_t>(i)].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TableData queryTable(db::Connection& connection, const QString& sql, std::vector<ListColumn> columns,
                     const QString& title) {
    db::RecordsetPtr recordset;
    try {
        recordset = connection.execute(sql);
    } catch (const Error& e) {
        throw e.withDescription(title + QStringLiteral(": ") + e.description());
    }
    TableData table;
    table.columns = std::move(columns);
    if (recordset) {
        table.rows = std::shared_ptr<const db::RowStore>(recordset, &recordset->rows());
    } else {
        auto empty = std::make_shared<db::RowStore>();
        for (const ListColumn& column : table.columns)
            empty->columns.push_back({column.field, db::FieldKind::Unknown});
        table.rows = empty;
    }
    for (const ListColumn& column : table.columns)
        if (table.columnOf(column.field) < 0)
            throw Error(errnum::InvalidProcedureCall, QStringLiteral("SuiteFunctions"),
                        title + QStringLiteral(": the query gives no column ") + column.field);
    return table;
}

} // namespace zrk::functions
