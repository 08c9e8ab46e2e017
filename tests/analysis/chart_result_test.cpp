#include "analysis/chart_result.h"
#include "analysis_fakes.h"

#include <gtest/gtest.h>

namespace zrk::analysis {
namespace {

using test::makeRecordset;

db::RecordsetPtr warehouses(int count) {
    std::vector<std::vector<Variant>> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({QStringLiteral("仓库%1").arg(i + 1), double(100 - i)});
    return makeRecordset({QStringLiteral("Fstockname"), QStringLiteral("sumQty")}, rows);
}

TEST(ChartResult, NineWarehousesShowSevenBarsTheLastTwoInTheChartsOwnColours) {
    const auto chart = buildChartResult(warehouses(9).get(), 2, 0);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->shownCount(), 7);
    EXPECT_EQ(chart->layout, ChartResult::Layout::BarPerRow);
    EXPECT_EQ(chart->seriesNames.first(), QStringLiteral("仓库1"));
    EXPECT_EQ(chart->values[0].back(), 94.0);
    EXPECT_EQ(chart->valueAxisTitle, QStringLiteral("数量"));
    EXPECT_EQ(chart->categoryAxisTitle, QStringLiteral("仓库"));
    EXPECT_EQ(chart->barGap, 0.5);
    EXPECT_EQ(seriesColour(chart->layout, 0), QColor(254, 203, 0));
    EXPECT_EQ(seriesColour(chart->layout, 4), QColor(71, 194, 0));
    EXPECT_FALSE(seriesColour(chart->layout, 5));
    EXPECT_FALSE(seriesColour(chart->layout, 6));
}

TEST(ChartResult, RowLimitsByAnalysis) {
    const struct {
        int analysis;
        int rows;
        int shown;
    } cases[] = {{0, 12, 5}, {1, 4, 3}, {2, 3, 3}, {2, 9, 7}, {4, 6, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.analysis);
        std::vector<std::vector<Variant>> rows;
        for (int i = 0; i < c.rows; ++i)
            rows.push_back({QStringLiteral("n%1").arg(i), QString(), QStringLiteral("c%1").arg(i), double(i),
                            double(i), double(i), double(i), double(i), QStringLiteral("w%1").arg(i)});
        const auto rs = makeRecordset({"FName", "fmodel", "FCustName", "FProfit", "FAmountFor",
                                       "FReceiveAmountFor", "sumQty", "FBUUnitDiff", "Fstockname"},
                                      rows);
        rs->moveLast(); // the builder reads from the first row whatever the position
        const auto chart = buildChartResult(rs.get(), c.analysis, 0);
        ASSERT_TRUE(chart);
        EXPECT_EQ(chart->shownCount(), c.shown);
    }
}

TEST(ChartResult, TwoCustomersGiveTwoRowsOfTwoBars) {
    const auto rs = makeRecordset({"FCustName", "FAmountFor", "FReceiveAmountFor"},
                                  {{QStringLiteral("北京远大商贸公司小计"), 1200.5, 300.0},
                                   {QStringLiteral("甲商店"), 80.0, Variant::null()}});
    const auto chart = buildChartResult(rs.get(), 1, 0);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->layout, ChartResult::Layout::RowsOfTwo);
    EXPECT_EQ(chart->rowLabels, (QStringList{QStringLiteral("北京远大商贸公司"), QStringLiteral("甲商店")}));
    EXPECT_EQ(chart->seriesNames, (QStringList{QStringLiteral("应收"), QStringLiteral("实收")}));
    EXPECT_EQ(chart->values, (std::vector<std::vector<double>>{{1200.5, 300.0}, {80.0, 0.0}}));
    EXPECT_EQ(chart->barGap, 0.0);
    EXPECT_EQ(chart->valueAxisTitle, QStringLiteral("金额"));
    EXPECT_TRUE(chart->categoryAxisTitle.isEmpty());
    EXPECT_EQ(seriesColour(chart->layout, 1), QColor(90, 138, 205));
    EXPECT_FALSE(seriesColour(chart->layout, 2));

    const auto suppliers =
        makeRecordset({"FSupplyName", "FAmountFor", "FPayAmountFor"}, {{QStringLiteral("丙工厂"), 5.0, 2.0}});
    const auto paid = buildChartResult(suppliers.get(), 1, 1);
    EXPECT_EQ(paid->seriesNames, (QStringList{QStringLiteral("应付"), QStringLiteral("实付")}));
    EXPECT_EQ(paid->values, (std::vector<std::vector<double>>{{5.0, 2.0}}));
}

TEST(ChartResult, LabelsOfTheSalesProfitObjects) {
    const auto rs =
        makeRecordset({"FName", "fmodel", "FProp01Name", "FProp07Name", "FProp08Name", "FProfit"},
                      {{QStringLiteral("可乐"), QStringLiteral("330ml"), QStringLiteral("甲商店(小计)"),
                        QStringLiteral("销售部(小计)"), QStringLiteral("张三(小计)"), 12.0},
                       {Variant::null(), QString(), QString(), QString(), QString(), 3.0}});
    const struct {
        int object;
        QStringList labels;
        const char* category;
    } cases[] = {{0, {QStringLiteral("可乐 330ml"), QStringLiteral("0")}, "物料"},
                 {1, {QStringLiteral("甲商店"), QStringLiteral("0")}, "客户"},
                 {2, {QStringLiteral("销售部"), QStringLiteral("0")}, "部门"},
                 {3, {QStringLiteral("张三"), QStringLiteral("0")}, "业务员"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.object);
        const auto chart = buildChartResult(rs.get(), 0, c.object);
        EXPECT_EQ(chart->seriesNames, c.labels);
        EXPECT_EQ(chart->categoryAxisTitle, QString::fromUtf8(c.category));
        EXPECT_EQ(chart->values[0], (std::vector<double>{12.0, 3.0}));
    }
}

TEST(ChartResult, NoRecordsetChangesNothingAndNoRowsShowsThePlaceholder) {
    EXPECT_FALSE(buildChartResult(nullptr, 0, 0));
    const auto empty = buildChartResult(warehouses(0).get(), 2, 0);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->shownCount(), 0);
}

TEST(ChartLabels, LongNamesAreAbbreviatedUnlessZoomed) {
    EXPECT_EQ(abbreviatedLabel(QStringLiteral("北京远大商贸"), false), QStringLiteral("北京远.."));
    EXPECT_EQ(abbreviatedLabel(QStringLiteral("北京远大商贸"), true), QStringLiteral("北京远大商贸"));
    EXPECT_EQ(abbreviatedLabel(QStringLiteral("北京远大商"), false), QStringLiteral("北京远大商"));
}

} // namespace
} // namespace zrk::analysis
