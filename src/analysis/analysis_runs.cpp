// The analyses and the summary sources of the presenter: each builds its parameters, asks its
// source and writes what came back; each shows its own errors (the receivables summary only logs).

#include "analysis/analysis_presenter.h"
#include "analysis/inventory_batch.h"
#include "analysis/log_category.h"
#include "analysis/report_sources.h"
#include "analysis/source_params.h"
#include "analysis/stock_start.h"
#include "core/console_context.h"
#include "core/roles/report_roles.h"
#include "db/environment_checks.h"
#include "platform/caught_error.h"
#include "platform/error.h"
#include "session/message_boxes.h"

namespace zrk::analysis {

namespace {

const QStringList kOrderFields = {QStringLiteral("FOrderQty"), QStringLiteral("FCommitQty"),
                                  QStringLiteral("FUnCommitQty")};

DateRange dayRange(const QDate& day) {
    return DateRange{isoDay(day), isoDay(day)};
}

} // namespace

void AnalysisPresenter::analyseSalesProfit() {
    try {
        const QDate today = today_();
        const DateBounds bounds = computeDateBounds(today).clampedTo(getStockStartDate(ctx_, today));
        const auto params =
            salesProfitParams(timeRange(time_.index, bounds, today), document_.index, object_.index);
        const auto rs = runNumberedReport(ctx_, kCostReportsRpt2167ProgId, 2167, params);
        if (!rs)
            return;
        rs->setFilter(QStringLiteral("Fsumsort<>101"));
        rs->setSort(QStringLiteral(" FProfit DESC "));
        showAnalysisResult(rs.get(), 0, object_.index);
        if (rs->state() == 1)
            rs->close();
    } catch (const Error& e) {
        showError(e);
    }
}

void AnalysisPresenter::analyseReceiptsPayments() {
    try {
        if (isArApOutOfStep(ctx_)) {
            showMessage(ctx_, QStringLiteral("应收应付模块必须和业务系统一起启用！"), true);
            return;
        }
        if (!isArApInitialized(ctx_)) {
            showMessage(ctx_, QStringLiteral("请先到初始化界面完成应收应付系统初始数据录入！"), true);
            return;
        }
        const bool suppliers = object_.index != 0;
        const ArApSelection selection{selectedRange(), document_.selectedData(), document_.selectedText()};
        const auto params = suppliers ? buildPayableParams(true, selection, today_())
                                      : buildReceivableParams(true, selection, today_());
        showDetailRows(runArApReport(ctx_, suppliers, params, std::int16_t(1)),
                       QStringLiteral("Fsumsort<>102"), 1);
    } catch (const Error& e) {
        showError(e);
    }
}

void AnalysisPresenter::analyseStockByWarehouse() {
    try {
        if (!ctx_.session().companyConnection)
            throw Error(errnum::ObjectVariableNotSet, QStringLiteral("AnalyseStockByWarehouse"),
                        QStringLiteral("Object variable or With block variable not set"));
        const auto rs = queryStockByWarehouse(*ctx_.session().companyConnection);
        showAnalysisResult(rs.get(), current_, 0);
    } catch (const Error& e) {
        showError(e);
    }
}

void AnalysisPresenter::analyseStockDeviation() {
    try {
        showDetailRows(
            runNumberedReport(ctx_, kStockReportsRpt112ProgId, 112, stockDeviationParams(object_.index)),
            QStringLiteral("Fsumsort<>101"), 4);
    } catch (const Error& e) {
        showError(e);
    }
}

void AnalysisPresenter::refreshPurchaseOrders(bool interactive) {
    refreshOrders(false, interactive);
}

void AnalysisPresenter::refreshSalesOrders(bool interactive) {
    refreshOrders(true, interactive);
}

void AnalysisPresenter::refreshOrders(bool sales, bool interactive) {
    try {
        const auto range = interactive ? selectedRange() : dayRange(today_());
        const auto rs =
            sales ? runNumberedReport(ctx_, kSalesReportsRpt138ProgId, 138, salesOrderParams(range))
                  : runNumberedReport(ctx_, kPurchaseReportsRpt119ProgId, 119, purchaseOrderParams(range));
        writeOrderFigures(sales, interactive,
                          filteredFigures(rs.get(), QStringLiteral("Fsumsort=101"), kOrderFields));
    } catch (const Error& e) {
        showError(e);
    }
}

void AnalysisPresenter::writeOrderFigures(bool sales, bool interactive, const std::vector<double>& figures) {
    for (int i = 0; i < 3; ++i) {
        if (interactive)
            orderGrid_.setFigure(i + 1, sales ? 6 : 3, figures[std::size_t(i)]);
        else
            summaries_[1].setFigure(2, (sales ? 7 : 2) + i, figures[std::size_t(i)]);
    }
    notify(interactive ? &IAnalysisView::resultChanged : &IAnalysisView::summariesChanged);
}

void AnalysisPresenter::refreshArApSummary() {
    try {
        const QDate today = today_();
        const auto receivables =
            runArApReport(ctx_, false, buildReceivableParams(false, {}, today), Variant());
        const auto received =
            filteredFigures(receivables.get(), QStringLiteral("Fsumsort=102"),
                            {QStringLiteral("FReceiveAmount"), QStringLiteral("FRemainAmount")});
        const auto payables = runArApReport(ctx_, true, buildPayableParams(false, {}, today), Variant());
        const auto paid = filteredFigures(payables.get(), QStringLiteral("Fsumsort=102"),
                                          {QStringLiteral("FPayAmount"), QStringLiteral("FRemainAmount")});
        TextGrid& grid = summaries_[0];
        grid.setFigure(2, 1, received[0]);
        grid.setFigure(2, 2, received[1]);
        grid.setFigure(2, 4, paid[0]);
        grid.setFigure(2, 5, paid[1]);
        notify(&IAnalysisView::summariesChanged);
    } catch (const Error& e) {
        logCaughtError(lcAnalysis(), "refreshArApSummary: the grid keeps its last figures", e);
    }
}

void AnalysisPresenter::refreshTodayStock() {
    static const QStringList fields = {
        QStringLiteral("FCurDayInQtyBuy"),   QStringLiteral("FCurDayInAmountBuy"),
        QStringLiteral("FCurDayInQtySum"),   QStringLiteral("FCurDayInAmountSum"),
        QStringLiteral("FCurDayOutQtySale"), QStringLiteral("FCurDayOutAmountSale"),
        QStringLiteral("FCurDayOutQtySum"),  QStringLiteral("FCurDayOutAmountSum")};
    static const int rows[] = {1, 2, 3, 4, 6, 7, 8, 9};
    try {
        const auto rs = runNumberedReport(ctx_, kStockReportsRpt171ProgId, 171, todayStockParams(today_()));
        const auto figures = filteredFigures(rs.get(), QStringLiteral("Fsumsort=101"), fields);
        for (std::size_t i = 0; i < figures.size(); ++i)
            summaries_[2].setFigure(3, rows[i], figures[i]);
        notify(&IAnalysisView::summariesChanged);
    } catch (const Error& e) {
        showError(e);
    }
}

void AnalysisPresenter::showDetailRows(const db::RecordsetPtr& rs, const QString& filter, int analysis) {
    if (!rs)
        return;
    rs->setFilter(filter);
    showAnalysisResult(rs.get(), analysis, object_.index);
}

void AnalysisPresenter::showAnalysisResult(db::Recordset* rs, int analysis, int objectIndex) {
    auto chart = buildChartResult(rs, analysis, objectIndex);
    if (!chart)
        return;
    chart_ = std::move(*chart);
    resultView_ = chart_.shownCount() > 0 ? ResultView::Chart : ResultView::Placeholder;
    notify(&IAnalysisView::resultChanged);
}

} // namespace zrk::analysis
