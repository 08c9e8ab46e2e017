#include "platform/db/row_store.h"

#include <limits>

namespace zrk::db {

void RowStore::appendBytes(Cell::Tag tag, const char* data, std::size_t length) {
    Cell& c = cells_.emplace_back();
    c.tag = tag;
    c.offset = buffer_.size();
    c.length = static_cast<std::uint32_t>(length);
    buffer_.append(data, length);
}

void RowStore::appendValue(const Variant& v) {
    if (v.isNull() || v.isEmpty()) {
        appendNull();
        return;
    }
    Cell& c = cells_.emplace_back();
    c.tag = Cell::Tag::Value;
    c.offset = values_.size();
    values_.push_back(v);
}

void RowStore::setValue(int row, int column, const Variant& v) {
    Cell& c = cells_[static_cast<std::size_t>(row) * columns.size() + column];
    if (v.isNull() || v.isEmpty()) {
        c = Cell();
        return;
    }
    c = Cell();
    c.tag = Cell::Tag::Value;
    c.offset = values_.size();
    values_.push_back(v);
}

namespace {

Variant integer(std::int64_t v) {
    if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max())
        return Variant(static_cast<std::int32_t>(v));
    return Variant(static_cast<double>(v));
}

} // namespace

Variant RowStore::value(int row, int column) const {
    const Cell& c = cell(row, column);
    const FieldKind kind = columns[column].kind;
    switch (c.tag) {
    case Cell::Tag::Null:
        return Variant::null();
    case Cell::Tag::Value:
        return values_[c.offset];
    case Cell::Tag::Int:
        switch (kind) {
        case FieldKind::Boolean:
            return Variant(c.i != 0);
        case FieldKind::Int16:
            if (c.i >= std::numeric_limits<std::int16_t>::min() &&
                c.i <= std::numeric_limits<std::int16_t>::max())
                return Variant(static_cast<std::int16_t>(c.i));
            return integer(c.i);
        case FieldKind::Double:
            return Variant(static_cast<double>(c.i));
        case FieldKind::Text:
            return Variant(QString::number(c.i));
        default:
            return integer(c.i);
        }
    case Cell::Tag::Real:
        if (kind == FieldKind::Text)
            return Variant(QString::number(c.d, 'g', 15));
        if (kind == FieldKind::Boolean)
            return Variant(c.d != 0);
        return Variant(c.d);
    case Cell::Tag::Text: {
        if (kind == FieldKind::Date) {
            const QDateTime date = parseStoredDate(QString::fromUtf8(bytes(c), c.length));
            if (date.isValid())
                return Variant(date);
        }
        return Variant(text(c));
    }
    case Cell::Tag::Blob:
        // The platform's Variant has no byte array: bytes travel as a text of one character per
        // byte, which writes back to a binary column unchanged.
        return Variant(QString::fromLatin1(bytes(c), c.length));
    }
    return Variant::null();
}

FieldKind kindFromDeclaredType(const QString& declared) {
    const QString d = declared.toUpper();
    if (d.isEmpty())
        return FieldKind::Unknown;
    if (d.startsWith(QLatin1String("DATE")) || d.startsWith(QLatin1String("SMALLDATETIME")) ||
        d.startsWith(QLatin1String("TIMESTAMP")))
        return FieldKind::Date;
    if (d == QLatin1String("BIT") || d.startsWith(QLatin1String("BOOL")))
        return FieldKind::Boolean;
    if (d.startsWith(QLatin1String("TINYINT")) || d.startsWith(QLatin1String("SMALLINT")))
        return FieldKind::Int16;
    if (d.startsWith(QLatin1String("BIGINT")))
        return FieldKind::Int64;
    if (d.contains(QLatin1String("INT")))
        return FieldKind::Int32;
    if (d.contains(QLatin1String("BLOB")) || d.contains(QLatin1String("IMAGE")) ||
        d.contains(QLatin1String("BINARY")))
        return FieldKind::Binary;
    if (d.contains(QLatin1String("CHAR")) || d.contains(QLatin1String("TEXT")) ||
        d.contains(QLatin1String("CLOB")))
        return FieldKind::Text;
    if (d.contains(QLatin1String("REAL")) || d.contains(QLatin1String("FLOA")) ||
        d.contains(QLatin1String("DOUB")) || d.contains(QLatin1String("DEC")) ||
        d.contains(QLatin1String("NUMERIC")) || d.contains(QLatin1String("MONEY")))
        return FieldKind::Double;
    return FieldKind::Unknown;
}

QDateTime parseStoredDate(QStringView text) {
    const QString s = text.trimmed().toString();
    if (s.size() < 8)
        return QDateTime();
    static constexpr const char* formats[] = {
        "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm",
        "yyyy-MM-ddTHH:mm:ss.zzz", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd",
        "yyyy/MM/dd HH:mm:ss",     "yyyy/MM/dd",          "yyyyMMdd"};
    for (const char* f : formats) {
        const QDateTime d = QDateTime::fromString(s, QLatin1String(f));
        if (d.isValid())
            return d;
    }
    // Fractions of other lengths (".1", ".123456")
    const qsizetype dot = s.indexOf(QLatin1Char('.'), 10);
    if (dot > 0) {
        const QDateTime d = QDateTime::fromString(s.left(dot), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (d.isValid()) {
            const QString fraction = (s.mid(dot + 1) + QStringLiteral("000")).left(3);
            bool ok = false;
            const int ms = fraction.toInt(&ok);
            return ok ? d.addMSecs(ms) : d;
        }
    }
    return QDateTime();
}

QString storedDateText(const QDateTime& date) {
    if (date.time().msec() != 0)
        return date.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    return date.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace zrk::db
