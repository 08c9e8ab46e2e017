#pragma once

// The stock-by-warehouse analysis reads the stock tables itself, in one batch on the company
// connection: one row per warehouse name ("Fstockname", Null for stock whose warehouse is gone)
// with its base quantity ("sumQty"), largest first.

#include "platform/db/connection.h"

#include <QString>

namespace zrk::analysis {

// The batch's fifty lines, each but the last ended by CR LF.
QString stockByWarehouseBatch();

// Runs the batch. A failure passes on unchanged, after the temporary table the batch may have
// left behind is dropped, so that the next run can create it again.
db::RecordsetPtr queryStockByWarehouse(db::Connection& company);

} // namespace zrk::analysis
