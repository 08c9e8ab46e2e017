#pragma once

#include "platform/variant.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <string>
#include <unordered_map>
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
    int rowCount() const { return columns.empty() ? 0 : static_cast<int>(cellCount_ / columns.size()); }

    // Appending a row: one call per column, in column order.
    void appendNull() { newCell(); }
    void appendInt(std::int64_t v) {
        Cell& c = newCell();
        c.tag = Cell::Tag::Int;
        c.i = v;
    }
    void appendReal(double v) {
        Cell& c = newCell();
        c.tag = Cell::Tag::Real;
        c.d = v;
    }
    void appendText(const char* utf8, std::size_t length) { appendBytes(Cell::Tag::Text, utf8, length); }
    void appendBlob(const void* data, std::size_t length) {
        appendBytes(Cell::Tag::Blob, static_cast<const char*>(data), length);
    }
    void appendValue(const Variant& v);

    const Cell& cell(int row, int column) const {
        const std::size_t i =
            static_cast<std::size_t>(row) * columns.size() + static_cast<std::size_t>(column);
        return cells_[i >> kCellChunkBits][i & (kCellChunk - 1)];
    }
    void setValue(int row, int column, const Variant& v);

    // The text bytes of a Text or Blob cell.
    const char* bytes(const Cell& c) const { return text_[c.offset >> 32].data() + (c.offset & 0xFFFFFFFFu); }
    QString text(const Cell& c) const { return QString::fromUtf8(bytes(c), c.length); }
    QByteArray blob(const Cell& c) const { return QByteArray(bytes(c), c.length); }

    // The value as its column gives it out; Null stays Null.
    Variant value(int row, int column) const;
    // The Variant stored by setValue / appendValue.
    const Variant& stored(const Cell& c) const { return values_[c.offset]; }

    void clear() {
        dates_.clear();
        cells_.clear();
        cellCount_ = 0;
        text_.clear();
        values_.clear();
    }

private:
    // Cells and text live in fixed-size chunks, so a growing result is never copied.
    static constexpr std::size_t kCellChunkBits = 14;
    static constexpr std::size_t kCellChunk = std::size_t(1) << kCellChunkBits;
    static constexpr std::size_t kTextChunk = std::size_t(1) << 20;

    Cell& newCell() {
        if ((cellCount_ & (kCellChunk - 1)) == 0) {
            cells_.emplace_back();
            cells_.back().reserve(kCellChunk);
        }
        ++cellCount_;
        return cells_.back().emplace_back();
    }
    Cell& cellAt(int row, int column) {
        const std::size_t i =
            static_cast<std::size_t>(row) * columns.size() + static_cast<std::size_t>(column);
        return cells_[i >> kCellChunkBits][i & (kCellChunk - 1)];
    }
    void appendBytes(Cell::Tag tag, const char* data, std::size_t length);
    // A Date column's text cell as a date-time, made once per moment.
    QDateTime storedDate(const Cell& c) const;

    std::vector<std::vector<Cell>> cells_;
    std::size_t cellCount_ = 0;
    std::vector<std::string> text_;
    std::vector<Variant> values_;
    mutable std::unordered_map<std::int64_t, QDateTime> dates_;
};

// The kind of a column from its declared SQL type (SQLite declarations and T-SQL names).
FieldKind kindFromDeclaredType(const QString& declared);

// Dates as the embedded engine keeps them: "yyyy-MM-dd HH:mm:ss[.zzz]" (a date alone, or a "T"
// between date and time, are read too).
QDateTime parseStoredDate(QStringView text);
QDateTime parseStoredDateUtf8(const char* text, std::size_t length);
QString storedDateText(const QDateTime& date);

} // namespace zrk::db
