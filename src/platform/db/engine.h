#pragma once

#include "platform/db/connection_string.h"
#include "platform/db/row_store.h"

#include <QString>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// What a Connection needs from a database engine. Internal to the database layer.
namespace zrk::db::detail {

// A row to insert: (column index, value) for each column that was assigned.
using NewRow = std::vector<std::pair<int, Variant>>;

class Engine {
public:
    virtual ~Engine() = default;

    // Runs a batch. Returns the rows of its first row-returning statement, if it has one;
    // affected receives the number of rows the batch changed.
    virtual std::optional<RowStore> execute(const QString& batch, long* affected) = 0;

    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;

    // Inserts rows into a table in one go: all or none.
    virtual void insertRows(const QString& table, const std::vector<Column>& columns,
                            const std::vector<NewRow>& rows) = 0;

    // The source named in the errors this engine raises.
    virtual QString source() const = 0;
};

std::shared_ptr<Engine> openSqliteEngine(const ConnectionTarget& target);
std::shared_ptr<Engine> openOdbcEngine(const ConnectionTarget& target);

} // namespace zrk::db::detail
