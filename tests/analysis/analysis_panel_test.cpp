// The panel's widgets headless, on the hand-made account set and the real report components:
// the owner's clicks, the chart, the zoom over the board and the grids.

#include "analysis/analysis_panel.h"
#include "analysis/analysis_widget.h"
#include "analysis/summary_panes.h"
#include "analysis_fakes.h"
#include "reports/report_fixture.h"
#include "session/session_properties.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace zrk::analysis {
namespace {

// The board as the panel sees it: a real parent, a zoom area and a layout to go back to.
class TestHost : public IAnalysisHost {
public:
    explicit TestHost(QWidget& board) : board_(board) {}
    QRect zoomArea() const override { return board_.rect(); }
    void restoreAnalysisLayout() override {
        ++restores;
        if (widget)
            widget->setGeometry(home);
    }
    double sizeFactor() const override { return 1.0; }
    QWidget* widget = nullptr;
    QRect home{0, 230, 1200, 470};
    int restores = 0;

private:
    QWidget& board_;
};

class PanelOnAccountSet : public ::testing::Test {
protected:
    PanelOnAccountSet() {
        ctx().texts().languageCode = 1;
        publishFromDictionary(ctx(), Dictionary{{QStringLiteral("PropsString"), fixture.propsString()}});
        fixture.exec(QStringLiteral(
            "insert into t_SystemProfile (FCategory, FKey, FValue) values "
            "('IC','StartYear','2025'), ('IC','StartPeriod','3'), ('IC','CurrentYear','2025'), "
            "('IC','CurrentPeriod','3'), ('ARAP','Closed','1')"));
        fixture.exec(QStringLiteral("insert into t_PeriodDate (FYear, FPeriod, FStartDate, FEndDate) values "
                                    "(2025, 3, '2025-03-01', '2025-03-31')"));
        fixture.exec(
            QStringLiteral("update t_Organization set FName = N'北京远大商贸公司' where FItemID = 101"));
        board.resize(1200, 700);
    }
    void createPanel() {
        panel = std::make_unique<AnalysisPanel>(ctx(), host, &board, [] { return QDate(2025, 3, 31); });
        host.widget = panel->analysisWidget();
        panel->summaryWidget()->setGeometry(0, 0, 1200, panel->summaryHeight());
        panel->analysisWidget()->setGeometry(host.home);
        board.show();
    }
    ConsoleContext& ctx() { return fixture.console.ctx; }
    AnalysisWidget& widget() { return panel->analysis(); }
    QBarSeries* series() {
        const auto all = widget().chart().series();
        return all.isEmpty() ? nullptr : qobject_cast<QBarSeries*>(all.first());
    }
    QStringList categories() {
        for (QAbstractAxis* axis : widget().chart().axes(Qt::Horizontal))
            if (auto* c = qobject_cast<QBarCategoryAxis*>(axis))
                return c->categories();
        return {};
    }
    QStringList messages() const {
        QStringList out;
        for (const auto& m : fixture.console.prompts.messages())
            out << m.text;
        return out;
    }

    test::ReportFixture fixture;
    QWidget board;
    TestHost host{board};
    std::unique_ptr<AnalysisPanel> panel;
};

TEST_F(PanelOnAccountSet, TheFirstTabShowsThisMonthsProfitsAsBars) {
    createPanel();
    panel->selectFirstAnalysis();
    widget().timeList().setCurrentIndex(7); // this month: runs the analysis again
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    ASSERT_TRUE(widget().chartView().isVisible());
    EXPECT_FALSE(widget().noDataLabel().isVisible());
    ASSERT_TRUE(series());
    ASSERT_EQ(series()->count(), 2);
    EXPECT_EQ(series()->barSets()[0]->label(), QStringLiteral("可乐 330ml"));
    EXPECT_EQ(series()->barSets()[0]->color(), QColor(254, 203, 0));
    const QStringList lines = panel->ownerLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("销售毛利分析 / 可乐 330ml: 186.09")))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("销售毛利分析 / 果汁 1L: 129.99")));
}

TEST_F(PanelOnAccountSet, TwoCustomersAreAbbreviatedUntilTheChartIsZoomed) {
    // The second customer's invoice in the base currency, so that both are in the first currency's list.
    fixture.exec(QStringLiteral("update ICSale set FCurrencyID = 1, FExchangeRate = 1 where FInterID = 6"));
    createPanel();
    QTest::mouseClick(&widget().tab(1), Qt::LeftButton);
    widget().timeList().setCurrentIndex(7);
    ASSERT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    ASSERT_TRUE(series());
    EXPECT_EQ(series()->count(), 2);
    EXPECT_EQ(series()->barSets()[0]->label(), QStringLiteral("应收"));
    EXPECT_EQ(series()->barSets()[1]->label(), QStringLiteral("实收"));
    EXPECT_EQ(series()->barSets()[0]->count(), 2);
    EXPECT_TRUE(categories().contains(QStringLiteral("北京远..")));
    EXPECT_EQ(widget().chartView().toolTip(), QStringLiteral("双击放大"));
    // The owner reads the full names.
    EXPECT_TRUE(panel->ownerLines().contains(QStringLiteral("收款付款分析 / 北京远大商贸公司 实收: 100.00")))
        << panel->ownerLines().join('\n').toStdString();

    QTest::mouseDClick(widget().chartView().viewport(), Qt::LeftButton);
    EXPECT_EQ(widget().geometry(), board.rect());
    EXPECT_EQ(widget().chartView().toolTip(), QStringLiteral("双击缩小"));
    EXPECT_TRUE(categories().contains(QStringLiteral("北京远大商贸公司")));

    QTest::mouseDClick(widget().chartView().viewport(), Qt::LeftButton);
    EXPECT_EQ(host.restores, 1);
    EXPECT_EQ(widget().geometry(), host.home);
    EXPECT_TRUE(categories().contains(QStringLiteral("北京远..")));
}

TEST_F(PanelOnAccountSet, NoStockShowsThePlaceholder) {
    fixture.exec(QStringLiteral("delete from ICInventory"));
    createPanel();
    QTest::mouseClick(&widget().tab(2), Qt::LeftButton);
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_FALSE(widget().timeList().isVisible());
    EXPECT_FALSE(widget().objectList().isVisible());
    EXPECT_TRUE(widget().noDataLabel().isVisible());
    EXPECT_EQ(widget().noDataLabel().text(), QStringLiteral("无显示数据"));
    EXPECT_FALSE(widget().chartView().isVisible());
}

TEST_F(PanelOnAccountSet, NineWarehousesShowSevenBarsTwoInTheChartsOwnColours) {
    createPanel();
    std::vector<std::vector<Variant>> rows;
    for (int i = 0; i < 9; ++i)
        rows.push_back({QStringLiteral("仓库%1").arg(i), double(9000 - 1000 * i) + 0.5});
    QTest::mouseClick(&widget().tab(2), Qt::LeftButton);
    const auto rs = test::makeRecordset({QStringLiteral("Fstockname"), QStringLiteral("sumQty")}, rows);
    panel->presenter().showAnalysisResult(rs.get(), 2, 0);
    ASSERT_TRUE(series());
    ASSERT_EQ(series()->count(), 7);
    EXPECT_EQ(series()->barSets()[4]->color(), QColor(71, 194, 0));
    // The data labels in the panel's number format, in their colour.
    QStringList labels;
    for (QGraphicsItem* item : widget().chart().childItems())
        if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item)) {
            labels << text->text();
            EXPECT_EQ(text->brush().color(), QColor(34, 43, 144));
        }
    EXPECT_EQ(labels.size(), 7);
    EXPECT_TRUE(labels.contains(QStringLiteral("9,000.50"))) << labels.join(' ').toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("3,000.50")));
    for (int i : {5, 6})
        for (const QColor fixed : {QColor(254, 203, 0), QColor(90, 138, 205), QColor(3, 37, 105),
                                   QColor(208, 0, 0), QColor(71, 194, 0)})
            EXPECT_NE(series()->barSets()[i]->color(), fixed) << i;
}

TEST_F(PanelOnAccountSet, TheOrderTabShowsItsGridAndTheSummariesTheirCells) {
    createPanel();
    QTest::mouseClick(&widget().tab(3), Qt::LeftButton);
    widget().timeList().setCurrentIndex(7);
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    ASSERT_TRUE(widget().orderGrid().isVisible());
    EXPECT_FALSE(widget().noDataLabel().isVisible());
    auto* model = widget().orderGrid().model();
    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("采购(数量:基本)"));
    EXPECT_EQ(model->index(1, 2).data().toString(), QStringLiteral("未入库"));
    EXPECT_EQ(model->index(2, 0).data().toString(), QStringLiteral("40.00")); // PO1 30 + PO2 10

    panel->refreshSummaries();
    auto* summary = panel->summaries().pane(0).grid().model();
    EXPECT_EQ(summary->index(0, 1).data().toString(), QStringLiteral("实收金额"));
    EXPECT_EQ(summary->index(0, 2).data().toString(), QStringLiteral("0.00")); // nothing received on the 31st
    const QStringList lines = panel->ownerLines();
    EXPECT_EQ(lines.first(), QStringLiteral("今日交易 / 应收 实收金额 / 金额: 0.00"));
    EXPECT_TRUE(lines.contains(QStringLiteral("订单执行分析 / 采购(数量:基本) 签订: 40.00")))
        << lines.join('\n').toStdString();
}

// On a narrow board the summary grids keep every figure whole; the row texts give way.
TEST_F(PanelOnAccountSet, ANarrowSummaryPaneKeepsItsFiguresWhole) {
    createPanel();
    panel->summaryWidget()->setGeometry(0, 0, 360, panel->summaryHeight());
    panel->refreshSummaries();
    for (int p = 0; p < 3; ++p) {
        QTableView& grid = panel->summaries().pane(p).grid();
        const int figures = grid.model()->columnCount() - 1;
        for (int r = 0; r < grid.model()->rowCount(); ++r) {
            const QString text = grid.model()->index(r, figures).data().toString();
            EXPECT_GE(grid.columnWidth(figures), grid.fontMetrics().horizontalAdvance(text))
                << "pane " << p << " row " << r << ": " << text.toStdString();
        }
    }
}

// A tab click refills three lists, each firing its change, and still asks its component once.
TEST(PanelClicks, ATabClickRunsTheAnalysisOnce) {
    test::TestConsole console;
    console.ctx.texts().languageCode = 1;
    test::AnalysisWorld world;
    test::registerAnalysisFakes(console.ctx, world);
    world.periodRows = test::makeRecordset({QStringLiteral("FStartDate")}, {});
    QWidget board;
    board.resize(1000, 600);
    TestHost host(board);
    AnalysisPanel panel(console.ctx, host, &board);
    panel.analysisWidget()->setGeometry(0, 200, 1000, 400);
    board.show();
    QTest::mouseClick(&panel.analysis().tab(4), Qt::LeftButton);
    EXPECT_EQ(world.callsTo(kStockReportsRpt112ProgId), 1);
    QTest::mouseClick(&panel.analysis().tab(0), Qt::LeftButton);
    EXPECT_EQ(world.callsTo(kCostReportsRpt2167ProgId), 1);
    EXPECT_EQ(panel.analysis().timeList().currentIndex(), 1);
    panel.analysis().objectList().setCurrentIndex(2);
    EXPECT_EQ(world.callsTo(kCostReportsRpt2167ProgId), 2);
    QTest::mouseClick(&panel.analysis().searchImage(), Qt::LeftButton);
    EXPECT_EQ(world.callsTo(kCostReportsRpt2167ProgId), 3);
    EXPECT_FALSE(panel.analysis().documentList().isHidden());
}

} // namespace
} // namespace zrk::analysis
