#pragma once

#include "platform/variant.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <bit>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace zrk::db {

// How a column's values are given out as Variants.
enum class FieldKind : std::uint8_t { Unknown, Boolean, Int16, Int32, Int64, Double, Text, Date, Binary };

struct Column {
    QString name;
    FieldKind kind = FieldKind::Unknown;
};

namespace detail {

// Memory for a RowStore. A block of 2 MiB or more is placed on a 2 MiB boundary and offered to
// the system for huge pages, so that filling a large result costs a few page faults rather
// than one for every 4 KiB.
class StoreBlock {
public:
    static constexpr std::size_t kHugeSize = std::size_t(1) << 21;

    explicit StoreBlock(std::size_t bytes);
    ~StoreBlock() { release(); }
    StoreBlock(StoreBlock&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
    StoreBlock& operator=(StoreBlock&& other) noexcept;
    StoreBlock(const StoreBlock&) = delete;
    StoreBlock& operator=(const StoreBlock&) = delete;

    char* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    void release() noexcept;

    char* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace detail

// The dates worked out from stored texts, by their text, so that a day that many rows share
// asks the system's time-zone rules once. The results of one connection share one.
class DateMemo {
public:
    // The date a stored text holds; invalid when the text is no date.
    QDateTime date(const char* text, std::size_t length);

private:
    // Bounded, for columns of many different moments: a full memo starts again.
    static constexpr qsizetype kLimit = 4096;
    QHash<QByteArray, QDateTime> byText_;
    QByteArray lastText_;
    QDateTime lastDate_;
};

// The rows of a result as the engine gave them: a fixed-size cell per value and blocks of text,
// so that fetching many rows costs few allocations and no conversion. Cells become Variants
// only when read. Blocks grow from 4 KiB to 2 MiB, so a small result stays small.
//
// One reader at a time, like the recordset that owns it: reading a date keeps the dates it has
// read (see DateMemo).
class RowStore {
public:
    struct Cell {
        enum class Tag : std::uint8_t { Null, Int, Real, Text, Blob, Value };
        Tag tag = Tag::Null;
        std::uint32_t length = 0;
        union {
            std::int64_t i;
            double d;
            std::uint64_t offset; // Text/Blob: block index << 32 | offset in it; Value: into values_
        };
        Cell() : i(0) {}
    };

    std::vector<Column> columns;

    RowStore() = default;
    RowStore(const RowStore& other);
    RowStore& operator=(const RowStore& other);
    RowStore(RowStore&& other) noexcept { swap(other); }
    RowStore& operator=(RowStore&& other) noexcept {
        RowStore taken(std::move(other));
        swap(taken);
        return *this;
    }
    ~RowStore() = default;
    void swap(RowStore& other) noexcept;

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
    // A text the engine gave as UTF-16, kept as UTF-8 without a buffer of its own.
    void appendText(QStringView text);
    void appendBlob(const void* data, std::size_t length) {
        appendBytes(Cell::Tag::Blob, static_cast<const char*>(data), length);
    }
    void appendValue(const Variant& v);
    // Takes back the last row appended (a new row given up before it was sent).
    void removeLastRow();

    const Cell& cell(int row, int column) const {
        const Slot s =
            locate(static_cast<std::size_t>(row) * columns.size() + static_cast<std::size_t>(column));
        return cellBlocks_[s.block][s.offset];
    }
    void setValue(int row, int column, const Variant& v);

    // The text bytes of a Text or Blob cell.
    const char* bytes(const Cell& c) const {
        return textBlocks_[c.offset >> 32].data() + (c.offset & 0xFFFFFFFFu);
    }
    QString text(const Cell& c) const { return QString::fromUtf8(bytes(c), c.length); }
    QByteArray blob(const Cell& c) const { return QByteArray(bytes(c), c.length); }

    // The value as its column gives it out; Null stays Null.
    Variant value(int row, int column) const;
    // The Variant stored by setValue / appendValue.
    const Variant& stored(const Cell& c) const { return values_[c.offset]; }
    // The date that a Text cell of a date column holds; invalid when the text is no date.
    QDateTime storedDate(const Cell& c) const;
    // Dates are worked out with this memo, shared with other results, from now on.
    void shareDates(std::shared_ptr<DateMemo> memo) { dates_ = std::move(memo); }

    void clear();

private:
    // Cell blocks: two of 256 cells, then each twice the one before up to 2 MiB (2^17 cells), then
    // 2 MiB each; a cell's place follows from its index alone.
    static constexpr std::size_t kFirstCellBits = 8;
    static constexpr std::size_t kLargeCellBits = 17;
    static constexpr std::size_t kLargeCells = std::size_t(1) << kLargeCellBits;
    static constexpr std::size_t kGrowingBlocks = kLargeCellBits - kFirstCellBits + 2;
    static constexpr std::size_t kGrowingCells = std::size_t(1) << (kLargeCellBits + 1);
    static constexpr std::size_t kFirstTextBlock = 4096;

    struct Slot {
        std::size_t block;
        std::size_t offset;
    };
    static Slot locate(std::size_t index) {
        if (index < kGrowingCells) {
            const std::size_t block = std::bit_width(index >> kFirstCellBits);
            return {block, block ? index - (std::size_t(1) << (kFirstCellBits + block - 1)) : index};
        }
        const std::size_t past = index - kGrowingCells;
        return {kGrowingBlocks + (past >> kLargeCellBits), past & (kLargeCells - 1)};
    }
    static std::size_t cellsInBlock(std::size_t block) {
        return block < kGrowingBlocks ? std::size_t(1) << (kFirstCellBits + (block ? block - 1 : 0))
                                      : kLargeCells;
    }

    Cell& newCell() {
        if (nextCell_ == endCell_)
            nextCellBlock();
        ++cellCount_;
        return *new (nextCell_++) Cell();
    }
    Cell& cellAt(int row, int column) { return const_cast<Cell&>(cell(row, column)); }
    void nextCellBlock();
    // Room for length more bytes of text; returns where they go.
    char* textRoom(std::size_t length);
    void appendBytes(Cell::Tag tag, const char* data, std::size_t length);

    struct CellBlock {
        detail::StoreBlock block;
        Cell* cells() const { return reinterpret_cast<Cell*>(block.data()); }
        Cell& operator[](std::size_t i) const { return cells()[i]; }
    };
    struct TextBlock {
        detail::StoreBlock block;
        std::size_t used = 0;
        char* data() const { return block.data(); }
    };

    std::vector<CellBlock> cellBlocks_;
    std::size_t cellCount_ = 0;
    Cell* nextCell_ = nullptr;
    Cell* endCell_ = nullptr;
    std::vector<TextBlock> textBlocks_;
    std::vector<Variant> values_;
    mutable std::shared_ptr<DateMemo> dates_;
};

// The kind of a column from its declared SQL type (SQLite declarations and T-SQL names).
FieldKind kindFromDeclaredType(const QString& declared);

// Dates as the embedded engine keeps them: "yyyy-MM-dd HH:mm:ss[.zzz]" (a date alone, or a "T"
// between date and time, are read too).
QDateTime parseStoredDate(QStringView text);
QDateTime parseStoredDateUtf8(const char* text, std::size_t length);
QString storedDateText(const QDateTime& date);

} // namespace zrk::db
