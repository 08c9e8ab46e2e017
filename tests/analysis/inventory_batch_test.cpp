// The stock-by-warehouse batch on an account set, through the embedded engine's T-SQL dialect.

#include "analysis/inventory_batch.h"
#include "platform/error.h"
#include "platform/vb_conversions.h"
#include "reports/report_fixture.h"

#include <gtest/gtest.h>

namespace zrk::analysis {
namespace {

class StockByWarehouse : public ::testing::Test {
protected:
    db::Connection& company() { return *fixture.console.ctx.session().companyConnection; }
    std::vector<QStringList> rows() {
        const auto rs = queryStockByWarehouse(company());
        EXPECT_TRUE(rs);
        std::vector<QStringList> out;
        for (; rs && !rs->eof(); rs->moveNext()) {
            const Variant name = rs->value(QStringLiteral("Fstockname"));
            out.push_back(
                {name.isNull() ? QStringLiteral("(Null)") : name.toString(),
                 vb::format(rs->value(QStringLiteral("sumQty")).toDouble(), QStringLiteral("0.00"))});
        }
        return out;
    }
    bool tempTableLeft() {
        try {
            company().execute(QStringLiteral("select count(*) from #TempInventory"));
            return true;
        } catch (const Error&) {
            return false;
        }
    }
    test::ReportFixture fixture;
};

TEST_F(StockByWarehouse, SumsTheBaseQuantityPerWarehouseLargestFirst) {
    fixture.exec(QStringLiteral("insert into t_Stock (FItemID, FNumber, FName) values (501, '01', N'总仓')"));
    fixture.exec(
        QStringLiteral("insert into POInventory (FItemID, FStockID, FQty, FBal, FStockTypeID) values "
                       "(302, 503, 70, 1, 501), (301, 501, 0, 0, 501)"));
    // Locked quantity does not change the sum, and the deleted item's stock is left out.
    fixture.exec(
        QStringLiteral("update ICInventory set FQtyLock = 15 where FItemID = 301 and FStockID = 501"));
    fixture.exec(
        QStringLiteral("insert into ICInventory (FItemID, FStockID, FQty, FBal) values (303, 501, 9, 9)"));
    const std::vector<QStringList> expected = {
        {QStringLiteral("(Null)"), QStringLiteral("90.00")}, // 502 and 503 have no warehouse row
        {QStringLiteral("总仓"), QStringLiteral("75.00")},
    };
    EXPECT_EQ(rows(), expected);
    EXPECT_FALSE(tempTableLeft());
}

TEST_F(StockByWarehouse, NoStockGivesNoRows) {
    fixture.exec(QStringLiteral("delete from ICInventory"));
    EXPECT_TRUE(rows().empty());
    EXPECT_FALSE(tempTableLeft());
}

TEST_F(StockByWarehouse, AFailedBatchLeavesNoTemporaryTable) {
    fixture.exec(QStringLiteral("drop table t_AuxItem")); // the final select fails after the copies
    EXPECT_THROW(queryStockByWarehouse(company()), Error);
    EXPECT_FALSE(tempTableLeft());
    fixture.exec(
        QStringLiteral("create table t_AuxItem (FItemID int, FName nvarchar(80), FNumber nvarchar(80))"));
    EXPECT_EQ(rows().size(), 1u);
}

} // namespace
} // namespace zrk::analysis
