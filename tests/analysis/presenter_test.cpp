// The panel's decisions on recording stand-ins: one run per tab click, the summary cells, the
// messages and what an error leaves.

#include "presenter_fixture.h"

namespace zrk::test {
namespace {

using analysis::ResultView;

// A view that mirrors the selectors as the lists do: filling and selecting fires their clicks.
class ListsLikeView : public analysis::IAnalysisView {
public:
    explicit ListsLikeView(analysis::AnalysisPresenter& p) : p_(p) {}
    void tabChanged() override {}
    void selectorsChanged() override {
        p_.chooseTime(0);
        p_.chooseTime(p_.timeSelector().index);
        p_.chooseDocument(p_.documentSelector().index);
        p_.chooseObject(p_.objectSelector().index);
    }
    void resultChanged() override { ++results; }
    void summariesChanged() override {}
    void letPendingEventsRun() override {}
    int results = 0;

private:
    analysis::AnalysisPresenter& p_;
};

db::RecordsetPtr totals(const QStringList& fields, const std::vector<std::vector<Variant>>& rows) {
    return makeRecordset(fields, rows);
}

TEST_F(PresenterTest, ATabClickRunsItsAnalysisOnceAndASelectorClickOnceMore) {
    ListsLikeView view(presenter);
    presenter.setView(&view);
    presenter.clickTab(0);
    EXPECT_EQ(world.callsTo(kCostReportsRpt2167ProgId), 1);
    EXPECT_FALSE(presenter.selectorsBusy());
    presenter.chooseObject(1);
    EXPECT_EQ(world.callsTo(kCostReportsRpt2167ProgId), 2);
    presenter.clickTab(3);
    EXPECT_EQ(world.callsTo(kPurchaseReportsRpt119ProgId), 1);
    EXPECT_EQ(world.callsTo(kSalesReportsRpt138ProgId), 1);
}

TEST_F(PresenterTest, TabsShowTheirSelectors) {
    const struct {
        int tab;
        bool time, document, object;
        const char* caption;
        QStringList objects;
    } cases[] = {
        {0,
         true,
         true,
         true,
         "单据",
         {QStringLiteral("物料"), QStringLiteral("客户"), QStringLiteral("部门"), QStringLiteral("业务员")}},
        {1, true, true, true, "币别", {QStringLiteral("客户"), QStringLiteral("供应商")}},
        {2, false, false, false, "", {}},
        {3, true, false, false, "", {}},
        {4, false, false, true, "", {QStringLiteral("超储"), QStringLiteral("短缺")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        presenter.clickTab(c.tab);
        EXPECT_EQ(presenter.timeSelector().shown, c.time);
        EXPECT_EQ(presenter.documentSelector().shown, c.document);
        EXPECT_EQ(presenter.objectSelector().shown, c.object);
        if (c.document) {
            EXPECT_EQ(presenter.documentCaption(), QString::fromUtf8(c.caption));
        }
        if (c.object) {
            EXPECT_EQ(presenter.objectSelector().items, c.objects);
            EXPECT_EQ(presenter.objectSelector().index, 0);
        }
        if (c.time) {
            EXPECT_EQ(presenter.timeSelector().index, 1);
        }
        EXPECT_EQ(presenter.resultView(), c.tab == 3 ? ResultView::OrderGrid : ResultView::Placeholder);
    }
}

TEST_F(PresenterTest, SummaryFiguresWithTwoDecimalsAndZeroWithoutATotalLine) {
    world.answers[QStringLiteral("GetRpt131Data")] = [] {
        return totals({"Fsumsort", "FReceiveAmount", "FRemainAmount"},
                      {{std::int32_t(0), 1.0, 2.0}, {std::int32_t(102), 1234.567, Variant::null()}});
    };
    world.answers[QStringLiteral("GetRpt132Data")] = [] {
        return totals({"Fsumsort", "FPayAmount", "FRemainAmount"}, {{std::int32_t(102), 50.0, -7.005}});
    };
    // The purchase orders give no recordset, the sales orders no total line.
    world.answers[kSalesReportsRpt138ProgId] = [] {
        return totals({"Fsumsort", "FOrderQty", "FCommitQty", "FUnCommitQty"},
                      {{std::int32_t(0), 9.0, 9.0, 9.0}});
    };
    world.answers[kStockReportsRpt171ProgId] = [] {
        return totals({"Fsumsort", "FCurDayInQtyBuy", "FCurDayInAmountBuy", "FCurDayInQtySum",
                       "FCurDayInAmountSum", "FCurDayOutQtySale", "FCurDayOutAmountSale", "FCurDayOutQtySum",
                       "FCurDayOutAmountSum"},
                      {{std::int32_t(101), 1.0, 2.0, 3.0, 4.0, 6.0, 7.0, 8.0, 9000.0}});
    };
    presenter.refreshSummaries();
    const auto& arAp = presenter.summary(0);
    EXPECT_EQ(arAp.text(2, 1), QStringLiteral("1,234.57"));
    EXPECT_EQ(arAp.text(2, 2), QStringLiteral("0.00"));
    EXPECT_EQ(arAp.text(2, 4), QStringLiteral("50.00"));
    EXPECT_EQ(arAp.text(2, 5), QStringLiteral("-7.01"));
    const auto& orders = presenter.summary(1);
    for (int row : {2, 3, 4, 7, 8, 9})
        EXPECT_EQ(orders.text(2, row), QStringLiteral("0.00")) << row;
    const auto& stock = presenter.summary(2);
    EXPECT_EQ(stock.text(3, 1), QStringLiteral("1.00"));
    EXPECT_EQ(stock.text(3, 9), QStringLiteral("9,000.00"));
    EXPECT_EQ(stock.text(3, 5), QString());
    EXPECT_TRUE(console.prompts.messages().empty());
    const QStringList lines = presenter.ownerLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("今日交易 / 应收 实收金额 / 金额: 1,234.57")))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("今日订单执行 / 采购 未入库 / 数量: 0.00")));
    EXPECT_TRUE(lines.contains(QStringLiteral("今日库存 / 出库合计 金额 / 本日: 9,000.00")));
}

TEST_F(PresenterTest, ASummaryThatFailsIsShownAndTheNextOnesStillRefresh) {
    world.failures.emplace(kPurchaseReportsRpt119ProgId,
                           Error(5, kPurchaseReportsRpt119ProgId, QStringLiteral("no table POOrder")));
    world.failures.emplace(QStringLiteral("GetRpt131Data"),
                           Error(5, kArApReportsProgId, QStringLiteral("silent")));
    world.answers[kSalesReportsRpt138ProgId] = [] {
        return totals({"Fsumsort", "FOrderQty", "FCommitQty", "FUnCommitQty"},
                      {{std::int32_t(101), 3.0, 2.0, 1.0}});
    };
    presenter.refreshSummaries();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("no table POOrder")});
    EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(presenter.summary(0).text(2, 1), QString()); // the receivables grid is left as it was
    EXPECT_EQ(presenter.summary(1).text(2, 2), QString());
    EXPECT_EQ(presenter.summary(1).text(2, 7), QStringLiteral("3.00"));
    EXPECT_EQ(world.callsTo(kStockReportsRpt171ProgId), 1);
}

TEST_F(PresenterTest, ReceiptsAndPaymentsNeedTheirOpeningData) {
    world.arApInitialized = false;
    presenter.clickTab(1);
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("请先到初始化界面完成应收应付系统初始数据录入！")});
    EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(world.callsTo(kArApReportsProgId), 0);
    EXPECT_EQ(presenter.resultView(), ResultView::Placeholder);

    console.prompts.clear();
    setProfile("IC", "CurrentPeriod", "4"); // the stock system moved on, receivables did not close
    presenter.search();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("应收应付模块必须和业务系统一起启用！")});
}

TEST_F(PresenterTest, WithoutCurrenciesTheListStaysEmptyAndTheAnalysisSaysWhy) {
    world.currencyRows = makeRecordset({"FCurrencyID", "FName"}, {});
    world.failures.emplace(QStringLiteral("GetRpt131Data"),
                           Error(5, kArApReportsProgId, QStringLiteral("CurrencyID")));
    presenter.clickTab(1);
    EXPECT_TRUE(presenter.documentSelector().items.isEmpty());
    EXPECT_EQ(presenter.documentSelector().index, -1);
    EXPECT_TRUE(
        world.lastCall(QStringLiteral("GetRpt131Data")).params->item(QStringLiteral("CurrencyID")).isEmpty());
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("CurrencyID")});
    EXPECT_EQ(presenter.resultView(), ResultView::Placeholder);

    world.currencyFailure = Error(5, QStringLiteral("ReportQuery"), QStringLiteral("no t_Currency"));
    presenter.clickTab(1);
    EXPECT_TRUE(presenter.documentSelector().items.isEmpty());
}

TEST_F(PresenterTest, SalesProfitShowsTheFiveLargestProfits) {
    world.answers[kCostReportsRpt2167ProgId] = [] {
        std::vector<std::vector<Variant>> rows;
        for (int i = 0; i < 12; ++i)
            rows.push_back(
                {std::int32_t(0), QStringLiteral("物料%1").arg(i), QString(), double((i * 7) % 12)});
        rows.push_back({std::int32_t(101), QStringLiteral("合计"), QString(), 1000.0});
        return makeRecordset({"Fsumsort", "FName", "fmodel", "FProfit"}, rows);
    };
    presenter.clickTab(0);
    ASSERT_EQ(presenter.resultView(), ResultView::Chart);
    EXPECT_EQ(presenter.chart().values[0], (std::vector<double>{11, 10, 9, 8, 7}));
    EXPECT_EQ(presenter.ownerLines().last(), QStringLiteral("销售毛利分析 / 物料1: 7.00"));
}

TEST_F(PresenterTest, AnEmptyResultShowsThePlaceholderAndNoRecordsetChangesNothing) {
    world.answers[kStockReportsRpt112ProgId] = [] {
        return makeRecordset({"Fsumsort", "FName", "fmodel", "FBUUnitDiff"},
                             {{std::int32_t(0), QStringLiteral("水"), QString(), 4.0}});
    };
    presenter.clickTab(4);
    ASSERT_EQ(presenter.resultView(), ResultView::Chart);
    world.answers.erase(kStockReportsRpt112ProgId);
    presenter.search();
    EXPECT_EQ(presenter.resultView(), ResultView::Chart);
    world.answers[kStockReportsRpt112ProgId] = [] {
        return makeRecordset({"Fsumsort", "FName", "fmodel", "FBUUnitDiff"},
                             {{std::int32_t(101), QStringLiteral("合计"), QString(), 4.0}});
    };
    presenter.search();
    EXPECT_EQ(presenter.resultView(), ResultView::Placeholder);
    EXPECT_EQ(presenter.ownerLines().last(), QStringLiteral("呆滞/短缺物料分析: 无显示数据"));
}

TEST_F(PresenterTest, AnEmptyPurchaseTotalWritesZeroToTheOrderGrid) {
    world.answers[kSalesReportsRpt138ProgId] = [] {
        return totals({"Fsumsort", "FOrderQty", "FCommitQty", "FUnCommitQty"},
                      {{std::int32_t(101), 12.0, 5.5, 6.5}});
    };
    presenter.clickTab(3);
    const auto& grid = presenter.orderGrid();
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(grid.text(c, 3), QStringLiteral("0.00"));
    EXPECT_EQ(grid.text(1, 6), QStringLiteral("12.00"));
    EXPECT_EQ(grid.text(3, 6), QStringLiteral("6.50"));
    EXPECT_EQ(grid.text(1, 1), QStringLiteral("采购(数量:基本)"));
    EXPECT_EQ(grid.text(2, 5), QStringLiteral("出库"));
    EXPECT_TRUE(
        presenter.ownerLines().contains(QStringLiteral("订单执行分析 / 销售(数量:基本) 未出库: 6.50")));
}

} // namespace
} // namespace zrk::test
