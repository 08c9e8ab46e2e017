#pragma once

#include "platform/db/recordset.h"
#include "platform/db/row_store.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace zrk::reports {

// Money in whole cents and quantities in ten-thousandths: the report SQL sums these as integers,
// so that no sum drifts, and a figure becomes a decimal number only in the result row.
using Cents = std::int64_t;
using QtyUnits = std::int64_t;
inline constexpr double kCentsPerUnit = 100.0;
inline constexpr double kQtyUnitsPerUnit = 10000.0;

// The SQL expression of a money value in whole cents, and of a quantity in ten-thousandths.
QString centsOf(const QString& expression);
QString qtyUnitsOf(const QString& expression);

// A whole number read from a result field (integer sums come back as numbers); Null is 0.
std::int64_t wholeNumber(const Variant& value);

// The result of a report, row by row: columns declared once, each row appended value by value
// in column order.
class ReportTable {
public:
    struct ColumnDef {
        QString name;
        db::FieldKind kind;
    };
    explicit ReportTable(const std::vector<ColumnDef>& columns);

    ReportTable& text(const QString& value);
    ReportTable& integer(std::int32_t value);
    ReportTable& money(Cents value);
    ReportTable& quantity(QtyUnits value);

    // A recordset over the rows, at its first row.
    db::RecordsetPtr recordset();

private:
    db::RowStore rows_;
};

} // namespace zrk::reports
