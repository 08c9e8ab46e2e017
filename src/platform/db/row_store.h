#pragma once

#include "platform/variant.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace zrk::db {

// How a column's values are given out as Variants.
enum class FieldKind : std::uint8_t { Unknown, Boolean, Int16, Int32, Int64, Double, Text, Date, Binary };

struct Column {
    QString name;
    FieldKind kind = FieldKind::Unknown;
};

// The rows of a result in one block: a fixed-size cell per value and one buffer for all text,
// so that fetching many rows costs few allocations. Cells become Variants only when read.
class RowStore {
public:
    struct Cell {
        enum class Tag : std::uint8_t { Null, Int, Real, Text, Blob, Value };
        Tag tag = Tag::Null;
        std::uint32_t length = 0;
        union {
            std::int64_t i;
            double d;
            std::uint64_t offset; // Text/Blob: into the buffer; Value: into values_
        };
        Cell() : i(0) {}
    };

    std::vector<Column> columns;

    int columnCount() const { return static_cast<int>(columns.size()); }
    int rowCount() const { return columns.empty() ? 0 : static_cast<int>(cells_.size() / columns.size()); }
    void reserveRows(std::size_t rows) { cells_.reserve(rows * columns.size()); }

    // Appending a row: one call per column, in column order.
    void appendNull() { cells_.emplace_back(); }
    void appendInt(std::int64_t v) {
        Cell& c = cells_.emplace_back();
        c.tag = Cell::Tag::Int;
        c.i = v;
    }
    void appendReal(double v) {
        Cell& c = cells_.emplace_back();
        c.tag = Cell::Tag::Real;
        c.d = v;
    }
    void appendText(const char* utf8, std::size_t length) { appendBytes(Cell::Tag::Text, utf8, length); }
    void appendBlob(const void* data, std::size_t length) {
        appendBytes(Cell::Tag::Blob, static_cast<const char*>(data), length);
    }
    void appendValue(const Variant& v);

    const Cell& cell(int row, int column) const {
        return cells_[static_cast<std::size_t>(row) * columns.size() + column];
    }
    void setValue(int row, int column, const Variant& v);

    // The text bytes of a Text or Blob cell.
    const char* bytes(const Cell& c) const { return buffer_.data() + c.offset; }
    QString text(const Cell& c) const { return QString::fromUtf8(bytes(c), c.length); }
    QByteArray blob(const Cell& c) const { return QByteArray(bytes(c), c.length); }

    // The value as its column gives it out; Null stays Null.
    Variant value(int row, int column) const;
    // The Variant stored by setValue / appendValue.
    const Variant& stored(const Cell& c) const { return values_[c.offset]; }

    void clear() {
        cells_.clear();
        buffer_.clear();
        values_.clear();
    }

private:
    void appendBytes(Cell::Tag tag, const char* data, std::size_t length);

    std::vector<Cell> cells_;
    std::string buffer_;
    std::vector<Variant> values_;
};

// The kind of a column from its declared SQL type (SQLite declarations and T-SQL names).
FieldKind kindFromDeclaredType(const QString& declared);

// Dates as the embedded engine keeps them: "yyyy-MM-dd HH:mm:ss[.zzz]" (a date alone, or a "T"
// between date and time, are read too).
QDateTime parseStoredDate(QStringView text);
QString storedDateText(const QDateTime& date);

} // namespace zrk::db
