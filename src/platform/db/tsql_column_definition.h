#pragma once

#include "platform/db/tsql_token_range.h"

#include <QString>

// A column as CREATE TABLE and ALTER TABLE ADD declare it: name, type and attributes. Types
// map to SQLite declarations that keep the affinity SQL Server's values need, and texts get the
// server's default collation unless they name one.
namespace zrk::db::tsql {

class Translation;

struct ColumnDefinition {
    QString name;
    QString declaredType; // as SQLite declares it
    bool identity = false;
    QString sql; // the whole definition as SQLite text
};

// The column defined by the tokens of r: name, type [(arguments)] and attributes.
ColumnDefinition columnDefinition(Translation& tr, const Tokens& t, Range r);

} // namespace zrk::db::tsql
