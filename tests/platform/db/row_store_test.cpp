// The row store's blocks, its copies and moves, a row taken back, texts given as UTF-16 and the
// dates of a date column, read back through the values a recordset gives out.
#include "platform/db/row_store.h"
#include "qt_printers.h"

#include <QDateTime>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zrk {
inline void PrintTo(const Variant& v, std::ostream* os) {
    *os << typeName(v.type()).toStdString();
    if (!v.isNull() && !v.isEmpty() && !v.isObject())
        *os << ' ' << v.toString().toStdString();
}
} // namespace zrk

using namespace zrk;
using namespace zrk::db;

namespace {

// Columns: an integer, a text, a real and one left Null; the values follow from the row number.
RowStore mixedRows(int rows) {
    RowStore store;
    store.columns = {{QStringLiteral("n"), FieldKind::Int32},
                     {QStringLiteral("t"), FieldKind::Text},
                     {QStringLiteral("r"), FieldKind::Double},
                     {QStringLiteral("z"), FieldKind::Text}};
    for (int r = 0; r < rows; ++r) {
        store.appendInt(r);
        const QByteArray text = "row " + QByteArray::number(r);
        store.appendText(text.constData(), static_cast<std::size_t>(text.size()));
        store.appendReal(r * 0.5);
        store.appendNull();
    }
    return store;
}

// Every value of mixedRows, or the first that differs.
void expectMixedRows(const RowStore& store, int rows) {
    ASSERT_EQ(store.rowCount(), rows);
    for (int r = 0; r < rows; ++r) {
        ASSERT_EQ(store.value(r, 0), Variant(static_cast<std::int32_t>(r))) << "row " << r;
        ASSERT_EQ(store.value(r, 1), Variant(QStringLiteral("row %1").arg(r))) << "row " << r;
        ASSERT_EQ(store.value(r, 2), Variant(r * 0.5)) << "row " << r;
        ASSERT_TRUE(store.value(r, 3).isNull()) << "row " << r;
    }
}

// Row counts on either side of the places where the store takes a new block: 256 cells (64
// rows), the growing blocks up to 2^18 cells (65,536 rows), and the fixed blocks after them.
TEST(RowStore, ValuesSurviveEveryBlockBoundaryCopyAndMove) {
    for (const int rows : {0, 1, 63, 64, 65, 128, 16384, 65535, 65536, 65537, 100000}) {
        SCOPED_TRACE(rows);
        RowStore store = mixedRows(rows);
        expectMixedRows(store, rows);

        RowStore copy = store;
        expectMixedRows(copy, rows);
        // The copy goes on by itself: its new rows are not the original's.
        copy.appendInt(-1);
        copy.appendText("added", 5);
        copy.appendReal(-1);
        copy.appendNull();
        EXPECT_EQ(copy.value(rows, 1), Variant(QStringLiteral("added")));
        expectMixedRows(store, rows);

        RowStore moved = std::move(store);
        expectMixedRows(moved, rows);
        // What was moved from is empty and takes rows again.
        EXPECT_EQ(store.rowCount(), 0); // NOLINT(bugprone-use-after-move)
        store = mixedRows(3);
        expectMixedRows(store, 3);
        expectMixedRows(moved, rows);
    }
}

TEST(RowStore, TextsLongerThanABlockAndEmptyTextsKeepTheirBytes) {
    RowStore store;
    store.columns = {{QStringLiteral("t"), FieldKind::Text}};
    const QByteArray large(3 << 20, 'x'); // larger than the largest block
    const QList<QByteArray> texts = {"", "short", large, "", QByteArray(5000, 'y'), "after"};
    for (const QByteArray& t : texts)
        store.appendText(t.constData(), static_cast<std::size_t>(t.size()));
    ASSERT_EQ(store.rowCount(), texts.size());
    for (int r = 0; r < store.rowCount(); ++r)
        EXPECT_EQ(store.value(r, 0).toString().toUtf8(), texts[r]) << "row " << r;
}

// A row taken back leaves the rows before it, and the next row goes in its place, also when
// the row's cells lay across two blocks (3 columns do not divide the 256 cells of a block).
TEST(RowStore, TheLastRowTakenBackMakesRoomForTheNext) {
    for (const int rows : {1, 85, 86, 87, 1000}) {
        SCOPED_TRACE(rows);
        RowStore store;
        store.columns = {{QStringLiteral("a"), FieldKind::Int32},
                         {QStringLiteral("b"), FieldKind::Text},
                         {QStringLiteral("c"), FieldKind::Int32}};
        for (int r = 0; r < rows; ++r) {
            store.appendInt(r);
            store.appendText("t", 1);
            store.appendInt(-r);
        }
        store.removeLastRow();
        ASSERT_EQ(store.rowCount(), rows - 1);
        store.appendInt(7000);
        store.appendText("again", 5);
        store.appendInt(-7000);
        ASSERT_EQ(store.rowCount(), rows);
        for (int r = 0; r + 1 < rows; ++r)
            ASSERT_EQ(store.value(r, 2), Variant(static_cast<std::int32_t>(-r))) << "row " << r;
        EXPECT_EQ(store.value(rows - 1, 0), Variant(static_cast<std::int32_t>(7000)));
        EXPECT_EQ(store.value(rows - 1, 1), Variant(QStringLiteral("again")));
        EXPECT_EQ(store.value(rows - 1, 2), Variant(static_cast<std::int32_t>(-7000)));
    }
}

// A text given as UTF-16 reads back as the toolkit's own UTF-8 round trip gives it.
TEST(RowStore, Utf16TextsReadBackAsTheyWereGiven) {
    const QStringList texts = {
        QString(),
        QStringLiteral("plain"),
        QStringLiteral("老板报表主控台"),
        QStringLiteral("a \U0001F600 b"),             // a pair of surrogates
        QString(QChar(0xD800)) + QStringLiteral("x"), // a lone surrogate
        QStringLiteral("ends high ") + QChar(0xD83D),
        QString(70000, QChar(0x4E2D)), // three bytes a character, more than a growing block
    };
    RowStore store;
    store.columns = {{QStringLiteral("t"), FieldKind::Text}};
    for (const QString& t : texts)
        store.appendText(QStringView(t));
    ASSERT_EQ(store.rowCount(), texts.size());
    for (int r = 0; r < store.rowCount(); ++r)
        EXPECT_EQ(store.value(r, 0).toString(), QString::fromUtf8(texts[r].toUtf8())) << "row " << r;
}

// The dates of a date column, repeated, each its own (more than the store keeps in mind), and a
// text that is no date, which stays a text.
TEST(RowStore, DateColumnGivesTheSameDatesWhetherSeenBeforeOrNot) {
    RowStore store;
    store.columns = {{QStringLiteral("d"), FieldKind::Date}};
    QStringList texts;
    for (int i = 0; i < 6000; ++i) {
        const QDateTime moment(QDate(2023, 1, 1).addDays(i / 3), QTime(0, 0).addSecs((i % 3) * 3600));
        texts << moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    texts << QStringLiteral("2023-01-01 00:00:00") << QStringLiteral("not a date")
          << QStringLiteral("not a date") << QStringLiteral("2023-01-01");
    for (const QString& t : texts) {
        const QByteArray utf8 = t.toUtf8();
        store.appendText(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    }
    for (int pass = 0; pass < 2; ++pass)
        for (int r = 0; r < store.rowCount(); ++r) {
            const QDateTime expected = parseStoredDate(texts[r]);
            const Variant expectedValue = expected.isValid() ? Variant(expected) : Variant(texts[r]);
            ASSERT_EQ(store.value(r, 0), expectedValue) << "pass " << pass << " row " << r;
        }
}

RowStore dateColumn(const std::vector<std::string>& texts) {
    RowStore rows;
    rows.columns = {{QStringLiteral("FDate"), FieldKind::Date}};
    for (const std::string& t : texts)
        rows.appendText(t.data(), t.size());
    return rows;
}

// Dates are made once per moment; each cell still gives its own moment, and a text that is no
// date stays text.
TEST(RowStore, DateCellsGiveEachTheirOwnMoment) {
    const RowStore rows = dateColumn({"2024-03-01 00:00:00", "2024-03-01 00:00:00", "2024-03-01 00:00:01",
                                      "2024-03-01 00:00:00.5", "2024-03-01", "2024-02-30 00:00:00",
                                      "2024-03-01T08:15", "2024-03-01 00:00:00"});
    const QDate march1(2024, 3, 1);
    const QDateTime expected[] = {QDateTime(march1, QTime(0, 0)), QDateTime(march1, QTime(0, 0)),
                                  QDateTime(march1, QTime(0, 0, 1)), QDateTime(march1, QTime(0, 0, 0, 500)),
                                  QDateTime(march1, QTime(0, 0))};
    for (int row = 0; row < 5; ++row) {
        SCOPED_TRACE(row);
        ASSERT_EQ(rows.value(row, 0).type(), Variant::Type::Date);
        EXPECT_EQ(rows.value(row, 0).toDate(), expected[row]);
    }
    EXPECT_EQ(rows.value(5, 0).type(), Variant::Type::String);
    EXPECT_EQ(rows.value(5, 0).toString(), QStringLiteral("2024-02-30 00:00:00"));
    EXPECT_EQ(rows.value(6, 0).toDate(), QDateTime(march1, QTime(8, 15)));
    EXPECT_EQ(rows.value(7, 0).toDate(), expected[0]);
}

} // namespace
