#pragma once

#include "platform/db/tsql_token_range.h"

#include <QString>

// The names of tables and other objects as a statement writes them: [dbo].[t], dbo.t, db..t.
namespace zrk::db::tsql {

struct ObjectName {
    QString name;           // the last part of the dotted name
    bool temporary = false; // a #name
};

// The object named by the tokens of r, which hold a dotted name and nothing else; raises a
// syntax error otherwise.
ObjectName objectName(const Tokens& t, Range r);

} // namespace zrk::db::tsql
