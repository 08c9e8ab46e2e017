#pragma once

struct sqlite3;

namespace zrk::db::detail {

// Registers the functions and collations through which the dialect layer gives SQLite the
// T-SQL built-ins it uses (ISDATE, CONVERT to a date or a text, DATEADD, LEN, CHARINDEX, ...),
// and makes any SQL Server collation named in a table ("Chinese_PRC_CI_AS") available: "_CI"
// names compare without regard to letter case, and all ignore trailing blanks as SQL Server does.
void registerTsqlFunctions(sqlite3* db);

} // namespace zrk::db::detail
