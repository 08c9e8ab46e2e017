#include "platform/db/row_store.h"

#include <algorithm>
#include <limits>

namespace zrk::db {

void RowStore::appendBytes(Cell::Tag tag, const char* data, std::size_t length) {
    if (text_.empty() || text_.back().size() + length > text_.back().capacity()) {
        text_.emplace_back();
        text_.back().reserve(std::max(kTextChunk, length));
    }
    std::string& chunk = text_.back();
    Cell& c = newCell();
    c.tag = tag;
    c.offset = (static_cast<std::uint64_t>(text_.size() - 1) << 32) | chunk.size();
    c.length = static_cast<std::uint32_t>(length);
    chunk.append(data, length);
}

void RowStore::appendValue(const Variant& v) {
    if (v.isNull() || v.isEmpty()) {
        appendNull();
        return;
    }
    Cell& c = newCell();
    c.tag = Cell::Tag::Value;
    c.offset = values_.size();
    values_.push_back(v);
}

void RowStore::setValue(int row, int column, const Variant& v) {
    Cell& c = cellAt(row, column);
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
            const QDateTime date = storedDate(c);
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

namespace {

// The parts of a date in the form the embedded engine keeps, read without the toolkit.
struct DateParts {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0, ms = 0;
    bool ok = false;
    // One number per moment, to look a date up by.
    std::int64_t key() const {
        return ((((((std::int64_t(y) * 13 + mo) * 32 + d) * 24 + h) * 60 + mi) * 60 + sec) * 1000) + ms;
    }
    QDateTime toDateTime() const {
        const QDate date(y, mo, d);
        const QTime time(h, mi, sec, ms);
        if (!date.isValid() || !time.isValid())
            return QDateTime();
        return QDateTime(date, time);
    }
};

// yyyy-MM-dd[( |T)HH:mm[:ss[.fff]]]; not ok for anything else.
template <class Ch> DateParts parseIsoParts(const Ch* p, qsizetype n) {
    DateParts r;
    auto digits = [&](qsizetype at, int count, int& out) {
        if (at + count > n)
            return false;
        out = 0;
        for (int k = 0; k < count; ++k) {
            const auto c = static_cast<unsigned>(p[at + k]);
            if (c < '0' || c > '9')
                return false;
            out = out * 10 + int(c - '0');
        }
        return true;
    };
    if (n < 10 || !digits(0, 4, r.y) || p[4] != '-' || !digits(5, 2, r.mo) || p[7] != '-' ||
        !digits(8, 2, r.d))
        return r;
    qsizetype at = 10;
    if (n > at) {
        if ((p[at] != ' ' && p[at] != 'T') || !digits(at + 1, 2, r.h) || at + 3 >= n || p[at + 3] != ':' ||
            !digits(at + 4, 2, r.mi))
            return r;
        at += 6;
        if (n > at) {
            if (p[at] != ':' || !digits(at + 1, 2, r.sec))
                return r;
            at += 3;
            if (n > at) {
                if (p[at] != '.' || n - at < 2)
                    return r;
                int scale = 100;
                for (qsizetype k = at + 1; k < n; ++k) {
                    const auto c = static_cast<unsigned>(p[k]);
                    if (c < '0' || c > '9')
                        return r;
                    r.ms += int(c - '0') * scale;
                    scale /= 10;
                }
            }
        }
    }
    r.ok = r.mo >= 1 && r.mo <= 12 && r.d >= 1 && r.d <= 31 && r.h < 24 && r.mi < 60 && r.sec < 60;
    return r;
}

template <class Ch> QDateTime parseIsoDate(const Ch* p, qsizetype n) {
    const DateParts parts = parseIsoParts(p, n);
    return parts.ok ? parts.toDateTime() : QDateTime();
}

} // namespace

QDateTime RowStore::storedDate(const Cell& c) const {
    const DateParts parts = parseIsoParts(bytes(c), c.length);
    if (!parts.ok)
        return parseStoredDateUtf8(bytes(c), c.length);
    // Making a local date-time asks the system for its time zone each time, which costs more
    // than the rest of a read: the same moment is made once per result.
    const auto [it, added] = dates_.try_emplace(parts.key());
    if (added)
        it->second = parts.toDateTime();
    return it->second;
}

QDateTime parseStoredDateUtf8(const char* text, std::size_t length) {
    const QDateTime d = parseIsoDate(text, static_cast<qsizetype>(length));
    return d.isValid() ? d : parseStoredDate(QString::fromUtf8(text, static_cast<qsizetype>(length)));
}

QDateTime parseStoredDate(QStringView text) {
    const QStringView trimmed = text.trimmed();
    const QDateTime fast = parseIsoDate(trimmed.utf16(), trimmed.size());
    if (fast.isValid())
        return fast;
    const QString s = trimmed.toString();
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
