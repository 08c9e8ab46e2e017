#include "analysis/analysis_presenter.h"

#include "analysis/analysis_tabs.h"
#include "analysis/log_category.h"
#include "core/console_context.h"
#include "db/query_helpers.h"
#include "platform/caught_error.h"
#include "platform/vb_conversions.h"
#include "session/message_boxes.h"
#include "session/texts.h"

namespace zrk::analysis {

void Selector::fill(QStringList texts, int selected) {
    items = std::move(texts);
    data.clear();
    index = items.isEmpty() ? -1 : selected;
}

AnalysisPresenter::AnalysisPresenter(ConsoleContext& ctx, Clock today)
    : ctx_(ctx), today_(today ? std::move(today) : Clock([] { return QDate::currentDate(); })),
      orderGrid_(orderExecutionGrid()), summaries_{arApSummaryGrid(), orderSummaryGrid(),
                                                   stockSummaryGrid()} {}

void AnalysisPresenter::clickTab(int index) {
    current_ = index;
    busy_ = true;
    try {
        notify(&IAnalysisView::tabChanged);
        selectAnalysis(index);
        runAnalysis(index);
    } catch (const Error& e) {
        showError(e);
    }
    // Cleared on the error path too, so that the selectors run the analysis again.
    busy_ = false;
}

void AnalysisPresenter::chooseTime(int index) {
    time_.index = index;
    if (!busy_)
        search();
}

void AnalysisPresenter::chooseDocument(int index) {
    document_.index = index;
    if (!busy_)
        search();
}

void AnalysisPresenter::chooseObject(int index) {
    object_.index = index;
    if (!busy_)
        search();
}

void AnalysisPresenter::search() {
    runAnalysis(current_);
}

bool AnalysisPresenter::toggleZoom() {
    zoomed_ = !zoomed_;
    return zoomed_;
}

void AnalysisPresenter::selectAnalysis(int index) {
    resultView_ = index == 3 ? ResultView::OrderGrid : ResultView::Placeholder;
    notify(&IAnalysisView::resultChanged);
    if (index < 0 || index >= kAnalysisCount)
        return;
    const TabSelectors tab = tabSelectors(index);
    time_.shown = tab.timeShown;
    if (tab.timeShown)
        time_.fill(timeChoiceTexts(), kTodayChoice);
    document_.shown = tab.documents != DocumentList::Hidden;
    if (document_.shown)
        documentCaption_ = tab.documentCaption;
    if (tab.documents == DocumentList::BillKinds)
        document_.fill(billKinds());
    else if (tab.documents == DocumentList::Currencies)
        fillCurrencies();
    object_.shown = tab.objectShown();
    if (object_.shown)
        object_.fill(tab.objects);
    notify(&IAnalysisView::selectorsChanged);
}

void AnalysisPresenter::fillCurrencies() {
    document_.fill({});
    try {
        const auto rs = getRsBySQL(ctx_, kCurrencyListSql);
        for (; rs && !rs->eof(); rs->moveNext()) {
            document_.items << vb::nullToText(rs->value(QStringLiteral("FName"))).toString();
            document_.data << Variant(vb::clng(rs->value(QStringLiteral("FCurrencyID"))));
        }
    } catch (const Error& e) {
        logCaughtError(lcAnalysis(), "fillCurrencies: the currency list stays as far as it was read", e);
    }
    document_.index = document_.items.isEmpty() ? -1 : 0;
}

std::optional<DateRange> AnalysisPresenter::selectedRange() const {
    const QDate today = today_();
    return timeRange(time_.index, computeDateBounds(today), today);
}

void AnalysisPresenter::runAnalysis(int index) {
    notify(&IAnalysisView::letPendingEventsRun);
    switch (index) {
    case 0:
        analyseSalesProfit();
        break;
    case 1:
        analyseReceiptsPayments();
        break;
    case 2:
        analyseStockByWarehouse();
        break;
    case 3:
        refreshPurchaseOrders(true);
        refreshSalesOrders(true);
        break;
    case 4:
        analyseStockDeviation();
        break;
    default:
        break;
    }
}

void AnalysisPresenter::refreshSummaries() {
    refreshArApSummary();
    refreshPurchaseOrders(false);
    refreshSalesOrders(false);
    refreshTodayStock();
}

void AnalysisPresenter::showError(const Error& error) {
    showMessage(ctx_, error.description(), false);
}

QStringList AnalysisPresenter::chartRowLabels() const {
    QStringList labels;
    for (const QString& label : chart_.rowLabels)
        labels << (current_ == 1 ? abbreviatedLabel(label, zoomed_) : label);
    return labels;
}

QStringList AnalysisPresenter::ownerLines() const {
    const auto tr = [this](const QString& text) { return translate(ctx_, text); };
    QStringList lines;
    for (const TextGrid& grid : summaries_)
        lines << grid.ownerLines(tr);
    return lines + analysisLines();
}

QStringList AnalysisPresenter::analysisLines() const {
    const QString tab = translate(ctx_, tabCaption(current_));
    QStringList lines;
    const auto figure = [](double value) { return vb::format(value, QStringLiteral("#,##0.00")); };
    if (resultView_ == ResultView::OrderGrid) {
        for (const TextGrid::Figure& f : orderGrid_.figures())
            lines << QStringLiteral("%1 / %2 %3: %4")
                         .arg(tab, translate(ctx_, f.rowText), translate(ctx_, f.columnText),
                              orderGrid_.text(f.column, f.row));
    } else if (resultView_ == ResultView::Placeholder) {
        lines << QStringLiteral("%1: %2").arg(tab, translate(ctx_, QStringLiteral("无显示数据")));
    } else if (chart_.layout == ChartResult::Layout::RowsOfTwo) {
        for (int r = 0; r < chart_.shownCount(); ++r)
            for (int s = 0; s < 2; ++s)
                lines << QStringLiteral("%1 / %2 %3: %4")
                             .arg(tab, chart_.rowLabels[r], translate(ctx_, chart_.seriesNames[s]),
                                  figure(chart_.values[std::size_t(r)][std::size_t(s)]));
    } else {
        for (int s = 0; s < chart_.shownCount(); ++s)
            lines << QStringLiteral("%1 / %2: %3")
                         .arg(tab, chart_.seriesNames[s], figure(chart_.values[0][std::size_t(s)]));
    }
    return lines;
}

} // namespace zrk::analysis
