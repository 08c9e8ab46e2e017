#include "platform/db/tsql_value_types.h"

#include "platform/db/row_store.h"

namespace zrk::db::tsql {

bool isDateType(ValueType v) {
    return v == ValueType::DateTime || v == ValueType::DateOnly;
}

ValueType combine(ValueType a, ValueType b) {
    if (a == b)
        return a;
    if (a == ValueType::Unknown || b == ValueType::Unknown)
        return ValueType::Unknown;
    if (isDateType(a) || isDateType(b))
        return isDateType(a) ? a : b;
    if (a == ValueType::Real || b == ValueType::Real)
        return ValueType::Real;
    return ValueType::Int; // Int with Text
}

ValueType typeFromDeclared(const QString& declared) {
    const QString d = declared.trimmed().toUpper();
    if (d.startsWith(QLatin1String("DATETIME")) || d.startsWith(QLatin1String("SMALLDATETIME")) ||
        d.startsWith(QLatin1String("TIMESTAMP")))
        return ValueType::DateTime;
    if (d == QLatin1String("DATE") || d.startsWith(QLatin1String("DATE ")))
        return ValueType::DateOnly;
    switch (kindFromDeclaredType(declared)) {
    case FieldKind::Boolean:
    case FieldKind::Int16:
    case FieldKind::Int32:
    case FieldKind::Int64:
        return ValueType::Int;
    case FieldKind::Double:
        return ValueType::Real;
    case FieldKind::Text:
        return ValueType::Text;
    default:
        return ValueType::Unknown;
    }
}

ValueType typeFromTsqlName(const QString& name) {
    const QString n = name.toLower();
    if (n == QLatin1String("date"))
        return ValueType::DateOnly;
    if (n == QLatin1String("datetime") || n == QLatin1String("smalldatetime") ||
        n == QLatin1String("datetime2"))
        return ValueType::DateTime;
    if (n == QLatin1String("int") || n == QLatin1String("bigint") || n == QLatin1String("smallint") ||
        n == QLatin1String("tinyint") || n == QLatin1String("bit"))
        return ValueType::Int;
    if (n == QLatin1String("decimal") || n == QLatin1String("numeric") || n == QLatin1String("money") ||
        n == QLatin1String("smallmoney") || n == QLatin1String("float") || n == QLatin1String("real"))
        return ValueType::Real;
    if (n.contains(QLatin1String("char")) || n.contains(QLatin1String("text")))
        return ValueType::Text;
    return ValueType::Unknown;
}

} // namespace zrk::db::tsql
