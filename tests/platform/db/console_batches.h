#pragma once

#include <QString>
#include <QStringList>

// The console's SQL texts not yet in the console's own code, written out as the console sends
// them, for running them on the embedded engine in tests. The board tables' batches are the
// console's own (db/console_schema.h).
namespace zrk::test {

// The direct inventory query.
QString inventoryBatch();
// The suite tables the console reads, created empty (T-SQL).
QString suiteTablesBatch();

} // namespace zrk::test
