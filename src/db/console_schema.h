#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The console's own tables in the company database: the five board tables, created together at
// start-up, and the owner-report list, created and brought in step with the suite's report
// catalogue each time the board loads. The T-SQL texts are written for the real server and run
// unchanged (through the dialect layer) on the embedded engine.
namespace zrk {

// How a column's values are written: the seed generator checks its sources against it.
enum class ColumnKind { Integer, Decimal, Bit, Text };

struct BoardColumn {
    const char* name;
    const char* type; // as written after the name, e.g. "[nvarchar] (50)"
    ColumnKind kind;
    bool collate;           // COLLATE Chinese_PRC_CI_AS
    const char* defaultSql; // "0", "''" or nullptr for no default
};

struct ColumnDescription {
    const char* column;
    const char* text;
};

// One board table and the seed-file table it is filled from when empty.
struct BoardTable {
    QString name;
    QString seedTable;
    std::vector<BoardColumn> columns;
    QStringList key;
    std::vector<ColumnDescription> descriptions; // in the order they are attached
};

// The five board tables in the order they are created and seeded: t_Boss_AccountType,
// t_Boss_ElementPosition, t_Boss_ElementPosition_Bak, t_Boss_ElementPosition_Show,
// t_Boss_SubFunction.
const std::vector<BoardTable>& boardTables();

// The batch that creates each missing board table with its defaults, key and column
// descriptions; every line ends with CR LF. Existing tables are left as they are.
QString consoleTablesBatch();

// The batch that creates the owner-report list where missing and brings it in step with the
// report catalogue: reports gone from the catalogue's visible owner reports are removed, new ones
// arrive hidden, names follow the catalogue.
QString ownerReportSyncBatch();

} // namespace zrk
