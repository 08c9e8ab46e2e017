#pragma once

#include <string>
#include <vector>

struct sqlite3;

namespace zrk::demo {

// One table of the company database as the embedded engine keeps it: column types are the
// declarations the T-SQL layer gives its own tables (INT, SMALLINT, DECIMAL(p,s), NVARCHAR(n),
// dates as "DATETIME TEXT" holding 'yyyy-MM-dd HH:mm:ss').
struct TableDef {
    const char* name;
    const char* columns; // the body of CREATE TABLE, between the parentheses
};

// Every table the demo account set holds, suite tables first, in creation order.
const std::vector<TableDef>& demoTables();

// Secondary indexes, created after the bulk load.
const std::vector<std::string>& demoIndexes();

// Creates all tables on an open, empty database. Raises std::runtime_error with the engine's text.
void createDemoSchema(sqlite3* db);
void createDemoIndexes(sqlite3* db);

// Runs one statement without results; raises std::runtime_error with the engine's text.
void execSql(sqlite3* db, const std::string& sql);

} // namespace zrk::demo
