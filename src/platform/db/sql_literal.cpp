#include "platform/db/sql_literal.h"

#include "platform/error.h"

#include <QLocale>

namespace zrk::db {

QString sqlText(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('\'');
    for (const QChar c : text) {
        if (c == QLatin1Char('\''))
            out += QLatin1Char('\'');
        out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

QString sqlNText(const QString& text) {
    return QLatin1Char('N') + sqlText(text);
}

QString sqlValue(const Variant& value) {
    switch (value.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null:
        return QStringLiteral("NULL");
    case Variant::Type::Boolean:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case Variant::Type::Int16:
    case Variant::Type::Int32:
        return QString::number(value.toInt32());
    case Variant::Type::Double:
        return QString::number(value.toDouble(), 'g', 17);
    case Variant::Type::String:
        return sqlText(value.toString());
    case Variant::Type::Date:
        return sqlText(value.toDate().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case Variant::Type::Object:
        break;
    }
    throw Error(errnum::TypeMismatch, QStringLiteral("zrk.db"), QStringLiteral("Type mismatch"));
}

QString sqlName(const QString& name) {
    QString out = name;
    out.replace(QLatin1Char(']'), QStringLiteral("]]"));
    return QLatin1Char('[') + out + QLatin1Char(']');
}

} // namespace zrk::db
