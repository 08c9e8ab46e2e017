#pragma once

#include <QString>
#include <cstdint>

namespace zrk::functions {

// Money in integer cents: sums of amounts are made in cents, so that they are exact.
using Cents = std::int64_t;

// An amount as the database keeps it (two decimals) in cents, rounded half away from zero.
Cents centsOf(double amount);

// "1,234,567.89", "-0.05": grouped thousands, always two decimals.
QString formatCents(Cents cents);

// The SQL expression of a column's amount in whole cents, for exact sums:
// CAST(ROUND(<expression>*100,0) AS BIGINT).
QString centsSql(const QString& expression);

} // namespace zrk::functions
