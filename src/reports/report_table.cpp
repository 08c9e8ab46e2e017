#include "reports/report_table.h"

#include <cmath>

namespace zrk::reports {

QString centsOf(const QString& expression) {
    return QStringLiteral("CAST(ROUND((%1) * 100, 0) AS BIGINT)").arg(expression);
}

QString qtyUnitsOf(const QString& expression) {
    return QStringLiteral("CAST(ROUND((%1) * 10000, 0) AS BIGINT)").arg(expression);
}

std::int64_t wholeNumber(const Variant& value) {
    return value.isNull() || value.isEmpty() ? 0 : std::llround(value.toDouble());
}

ReportTable::ReportTable(const std::vector<ColumnDef>& columns) {
    for (const ColumnDef& c : columns)
        rows_.columns.push_back({c.name, c.kind});
}

ReportTable& ReportTable::text(const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    rows_.appendText(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    return *this;
}

ReportTable& ReportTable::integer(std::int32_t value) {
    rows_.appendInt(value);
    return *this;
}

ReportTable& ReportTable::money(Cents value) {
    rows_.appendReal(static_cast<double>(value) / kCentsPerUnit);
    return *this;
}

ReportTable& ReportTable::quantity(QtyUnits value) {
    rows_.appendReal(static_cast<double>(value) / kQtyUnitsPerUnit);
    return *this;
}

db::RecordsetPtr ReportTable::recordset() {
    return std::make_shared<db::Recordset>(std::move(rows_));
}

} // namespace zrk::reports
