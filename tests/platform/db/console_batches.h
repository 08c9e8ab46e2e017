#pragma once

#include <QString>
#include <QStringList>

// The console's SQL texts, written out as the console sends them, for running them on the
// embedded engine in tests.
namespace zrk::test {

// The batch that creates the five board tables where missing.
QString boardTablesBatch();
// The batch that creates and synchronises the owner-report list.
QString ownerReportSyncBatch();
// The direct inventory query.
QString inventoryBatch();
// The suite tables the console reads, created empty (T-SQL).
QString suiteTablesBatch();

} // namespace zrk::test
