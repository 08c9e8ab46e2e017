#pragma once

#include "platform/db/tsql_dialect.h"

#include <QHash>
#include <QString>
#include <vector>

// The tables a batch's translation knows: those the batch creates itself, and those it read
// from the database.
namespace zrk::db::tsql {

class Catalogue {
public:
    // Tables read from schema are recorded in reads, for the program to say what it depends on.
    Catalogue(SchemaReader* schema, std::vector<TableRead>& reads) : schema_(schema), reads_(reads) {}

    // The columns of a table, read from the database the first time it is asked for; null when
    // the table is not known or has no columns.
    const TableColumns* columns(const QString& table);

    // A table the batch creates: later statements of the batch see it as declared here.
    void declare(const QString& table, TableColumns columns);

private:
    SchemaReader* schema_;
    std::vector<TableRead>& reads_;
    QHash<QString, TableColumns> tables_; // by lower-case name
};

} // namespace zrk::db::tsql
