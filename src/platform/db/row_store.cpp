#include "platform/db/row_store.h"

#include <QStringEncoder>
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace zrk::db {

namespace detail {

namespace {

std::size_t alignmentFor(std::size_t bytes) {
    return bytes >= StoreBlock::kHugeSize ? StoreBlock::kHugeSize : alignof(std::max_align_t);
}

} // namespace

StoreBlock::StoreBlock(std::size_t bytes) : size_(bytes) {
    if (bytes >= kHugeSize) {
        data_ = static_cast<char*>(::operator new(bytes, std::align_val_t(kHugeSize)));
#ifdef __linux__
        // Only advice: where the system has no huge pages to give, the block is used as it is.
        madvise(data_, bytes, MADV_HUGEPAGE);
#endif
    } else {
        data_ = static_cast<char*>(::operator new(bytes));
    }
}

StoreBlock& StoreBlock::operator=(StoreBlock&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void StoreBlock::release() noexcept {
    if (!data_)
        return;
    if (alignmentFor(size_) == kHugeSize)
        ::operator delete(data_, std::align_val_t(kHugeSize));
    else
        ::operator delete(data_);
    data_ = nullptr;
}

} // namespace detail

RowStore::RowStore(const RowStore& other)
    : columns(other.columns), cellCount_(other.cellCount_), values_(other.values_), dates_(other.dates_) {
    std::size_t left = other.cellCount_;
    for (std::size_t b = 0; b < other.cellBlocks_.size(); ++b) {
        const std::size_t capacity = cellsInBlock(b);
        cellBlocks_.push_back({detail::StoreBlock(capacity * sizeof(Cell))});
        const std::size_t used = std::min(left, capacity);
        if (used > 0)
            std::memcpy(cellBlocks_.back().block.data(), other.cellBlocks_[b].block.data(),
                        used * sizeof(Cell));
        left -= used;
    }
    // nextCell_ stays null: the first cell appended finds its place from cellCount_.
    for (const TextBlock& t : other.textBlocks_) {
        textBlocks_.push_back({detail::StoreBlock(t.block.size()), t.used});
        if (t.used > 0)
            std::memcpy(textBlocks_.back().data(), t.data(), t.used);
    }
}

RowStore& RowStore::operator=(const RowStore& other) {
    if (this != &other) {
        RowStore copy(other);
        swap(copy);
    }
    return *this;
}

void RowStore::swap(RowStore& other) noexcept {
    std::swap(columns, other.columns);
    std::swap(cellBlocks_, other.cellBlocks_);
    std::swap(cellCount_, other.cellCount_);
    std::swap(nextCell_, other.nextCell_);
    std::swap(endCell_, other.endCell_);
    std::swap(textBlocks_, other.textBlocks_);
    std::swap(values_, other.values_);
    std::swap(dates_, other.dates_);
}

void RowStore::clear() {
    cellBlocks_.clear();
    cellCount_ = 0;
    nextCell_ = endCell_ = nullptr;
    textBlocks_.clear();
    values_.clear();
    dates_.reset();
}

void RowStore::nextCellBlock() {
    const Slot s = locate(cellCount_);
    if (s.block >= cellBlocks_.size())
        cellBlocks_.push_back({detail::StoreBlock(cellsInBlock(s.block) * sizeof(Cell))});
    nextCell_ = cellBlocks_[s.block].cells() + s.offset;
    endCell_ = cellBlocks_[s.block].cells() + cellsInBlock(s.block);
}

void RowStore::removeLastRow() {
    const std::size_t n = columns.size();
    if (n == 0 || cellCount_ < n)
        return;
    cellCount_ -= n;
    // The next cell goes where the row began; blocks past it stay for the rows to come.
    nextCellBlock();
}

char* RowStore::textRoom(std::size_t length) {
    if (textBlocks_.empty() || textBlocks_.back().used + length > textBlocks_.back().block.size()) {
        std::size_t size = textBlocks_.empty()
                               ? kFirstTextBlock
                               : std::min(textBlocks_.back().block.size() * 2, detail::StoreBlock::kHugeSize);
        size = std::max(size, length);
        textBlocks_.push_back({detail::StoreBlock(size), 0});
    }
    TextBlock& t = textBlocks_.back();
    return t.data() + t.used;
}

void RowStore::appendBytes(Cell::Tag tag, const char* data, std::size_t length) {
    char* to = textRoom(length);
    TextBlock& t = textBlocks_.back();
    Cell& c = newCell();
    c.tag = tag;
    c.offset = (static_cast<std::uint64_t>(textBlocks_.size() - 1) << 32) | t.used;
    c.length = static_cast<std::uint32_t>(length);
    if (length > 0)
        std::memcpy(to, data, length);
    t.used += length;
}

void RowStore::appendText(QStringView text) {
    // Surrogates are left to the toolkit's own conversion, which writes a lone one as '?'.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); })) {
        const QByteArray utf8 = text.toUtf8();
        appendBytes(Cell::Tag::Text, utf8.constData(), static_cast<std::size_t>(utf8.size()));
        return;
    }
    // At most three bytes of UTF-8 for each UTF-16 unit.
    const std::size_t room = static_cast<std::size_t>(text.size()) * 3;
    char* to = textRoom(room);
    TextBlock& t = textBlocks_.back();
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const char* end = utf8.appendToBuffer(to, text);
    const auto length = static_cast<std::size_t>(end - to);
    Cell& c = newCell();
    c.tag = Cell::Tag::Text;
    c.offset = (static_cast<std::uint64_t>(textBlocks_.size() - 1) << 32) | t.used;
    c.length = static_cast<std::uint32_t>(length);
    t.used += length;
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

QDateTime DateMemo::date(const char* text, std::size_t length) {
    const auto key = QByteArray::fromRawData(text, static_cast<qsizetype>(length));
    if (key == lastText_)
        return lastDate_;
    auto it = byText_.constFind(key);
    if (it == byText_.cend()) {
        if (byText_.size() >= kLimit)
            byText_.clear();
        it = byText_.insert(QByteArray(text, static_cast<qsizetype>(length)),
                            parseStoredDateUtf8(text, length));
    }
    lastText_ = it.key();
    lastDate_ = it.value();
    return lastDate_;
}

QDateTime RowStore::storedDate(const Cell& c) const {
    if (!dates_)
        dates_ = std::make_shared<DateMemo>();
    return dates_->date(bytes(c), c.length);
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

// yyyy-MM-dd[( |T)HH:mm[:ss[.fff]]], the form the embedded engine keeps; none for anything else.
template <class Ch> QDateTime parseIsoDate(const Ch* p, qsizetype n) {
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
    int y, mo, d, h = 0, mi = 0, sec = 0, ms = 0;
    if (n < 10 || !digits(0, 4, y) || p[4] != '-' || !digits(5, 2, mo) || p[7] != '-' || !digits(8, 2, d))
        return QDateTime();
    qsizetype at = 10;
    if (n > at) {
        if ((p[at] != ' ' && p[at] != 'T') || !digits(at + 1, 2, h) || at + 3 >= n || p[at + 3] != ':' ||
            !digits(at + 4, 2, mi))
            return QDateTime();
        at += 6;
        if (n > at) {
            if (p[at] != ':' || !digits(at + 1, 2, sec))
                return QDateTime();
            at += 3;
            if (n > at) {
                if (p[at] != '.' || n - at < 2)
                    return QDateTime();
                int scale = 100;
                for (qsizetype k = at + 1; k < n; ++k) {
                    const auto c = static_cast<unsigned>(p[k]);
                    if (c < '0' || c > '9')
                        return QDateTime();
                    ms += int(c - '0') * scale;
                    scale /= 10;
                }
            }
        }
    }
    const QDate date(y, mo, d);
    const QTime time(h, mi, sec, ms);
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time);
}

} // namespace

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
