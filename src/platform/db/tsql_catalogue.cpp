#include "platform/db/tsql_catalogue.h"

namespace zrk::db::tsql {

const TableColumns* Catalogue::columns(const QString& table) {
    const QString key = table.toLower();
    auto it = tables_.constFind(key);
    if (it == tables_.constEnd()) {
        if (!schema_)
            return nullptr;
        TableColumns columns = schema_->columns(table);
        reads_.push_back({table, columns});
        it = tables_.insert(key, std::move(columns));
    }
    return it->empty() ? nullptr : &*it;
}

void Catalogue::declare(const QString& table, TableColumns columns) {
    tables_.insert(table.toLower(), std::move(columns));
}

} // namespace zrk::db::tsql
