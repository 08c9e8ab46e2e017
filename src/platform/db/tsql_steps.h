#pragma once

#include "platform/db/tsql_dialect.h"

#include <QString>

// The steps of a program as the statement translators make them.
namespace zrk::db::tsql {

// A step that runs one SQLite statement.
inline Step sqlStep(const QString& text) {
    Step s;
    s.kind = Step::Kind::Sql;
    s.sql = text;
    return s;
}

// A step of the given kind that carries nothing else: a transaction's begin, commit or rollback.
inline Step bareStep(Step::Kind kind) {
    Step s;
    s.kind = kind;
    return s;
}

} // namespace zrk::db::tsql
