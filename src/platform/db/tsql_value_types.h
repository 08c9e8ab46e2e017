#pragma once

#include <QString>

// What the translator knows of a value's type: enough to choose the division and the date
// comparison SQL Server would make.
namespace zrk::db::tsql {

enum class ValueType { Int, Real, Text, DateTime, DateOnly, Unknown };

bool isDateType(ValueType v);

// The type of an expression mixing two types, by SQL Server's precedence: dates over numbers,
// decimals over integers, numbers over texts.
ValueType combine(ValueType a, ValueType b);

// The type of a column as the embedded database declares it.
ValueType typeFromDeclared(const QString& declared);

// The type a CONVERT or CAST gives, from the T-SQL type name.
ValueType typeFromTsqlName(const QString& name);

} // namespace zrk::db::tsql
