// Values of fetched cells as their columns give them out.
#include "platform/db/row_store.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace zrk;
using namespace zrk::db;

namespace {

RowStore dateColumn(const std::vector<std::string>& texts) {
    RowStore rows;
    rows.columns = {{QStringLiteral("FDate"), FieldKind::Date}};
    for (const std::string& t : texts)
        rows.appendText(t.data(), t.size());
    return rows;
}

} // namespace

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
