#pragma once

#include "platform/db/connection.h"

#include <QStringList>

namespace zrk::test {

// What a query gives, as texts that tests compare: "NULL" for a Null, "<no row>" without a row.
inline QString valueText(const Variant& value) {
    return value.isNull() ? QStringLiteral("NULL") : value.toString();
}

// The single value of a one-row query.
inline QString scalarText(db::Connection& connection, const QString& sql) {
    const auto rows = connection.execute(sql);
    if (!rows || rows->eof())
        return QStringLiteral("<no row>");
    return valueText(rows->value(0));
}

// One column of every row.
inline QStringList columnTexts(db::Connection& connection, const QString& sql, int index = 0) {
    QStringList texts;
    for (auto rows = connection.execute(sql); rows && !rows->eof(); rows->moveNext())
        texts << valueText(rows->value(index));
    return texts;
}

} // namespace zrk::test
