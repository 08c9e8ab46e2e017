#pragma once

// The analysis panel's state and decisions: the selected tab, the selectors, what the result
// area shows, the summary grids. The widgets mirror it and forward the owner's clicks.

#include "analysis/analysis_dates.h"
#include "analysis/chart_result.h"
#include "analysis/text_grid.h"
#include "platform/db/recordset.h"
#include "platform/variant.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace zrk {
class ConsoleContext;
}

namespace zrk::analysis {

// One selector list: its items (untranslated where they are the panel's own words), their item
// data, the selected index (-1: none) and whether it is shown.
struct Selector {
    QStringList items;
    QList<Variant> data;
    int index = -1;
    bool shown = false;
    void fill(QStringList texts, int selected = 0);
    Variant selectedData() const { return index >= 0 && index < data.size() ? data[index] : Variant(); }
    QString selectedText() const { return index >= 0 && index < items.size() ? items[index] : QString(); }
};

// What the result area shows.
enum class ResultView { Placeholder, Chart, OrderGrid };

// What the presenter tells the widgets. Mirroring the selectors sets their lists, and so fires
// their choose… calls: while the tab click refills them those do not run the analysis.
class IAnalysisView {
public:
    virtual ~IAnalysisView() = default;
    virtual void tabChanged() = 0;
    virtual void selectorsChanged() = 0;
    virtual void resultChanged() = 0;
    virtual void summariesChanged() = 0;
    // Lets pending window events (the repaint of the new tab) run before a slow query.
    virtual void letPendingEventsRun() = 0;
};

class AnalysisPresenter {
public:
    using Clock = std::function<QDate()>;
    explicit AnalysisPresenter(ConsoleContext& ctx, Clock today = {});

    void setView(IAnalysisView* view) { view_ = view; }

    // The owner's actions.
    void clickTab(int index);
    void chooseTime(int index);
    void chooseDocument(int index);
    void chooseObject(int index);
    void search();
    // Flips the chart's zoom; true when it is now enlarged.
    bool toggleZoom();

    void runAnalysis(int index);
    void refreshSummaries();

    // The analyses and the sources, one routine each.
    void analyseSalesProfit();
    void analyseReceiptsPayments();
    void analyseStockByWarehouse();
    void analyseStockDeviation();
    void refreshPurchaseOrders(bool interactive);
    void refreshSalesOrders(bool interactive);
    void refreshArApSummary();
    void refreshTodayStock();
    // The chart of a result recordset (none: nothing changes; no rows: the placeholder).
    void showAnalysisResult(db::Recordset* rs, int analysis, int objectIndex);

    int currentAnalysis() const { return current_; }
    bool selectorsBusy() const { return busy_; }
    const Selector& timeSelector() const { return time_; }
    const Selector& documentSelector() const { return document_; }
    const Selector& objectSelector() const { return object_; }
    // The document selector's caption ("单据" or "币别"), untranslated.
    const QString& documentCaption() const { return documentCaption_; }
    ResultView resultView() const { return resultView_; }
    const ChartResult& chart() const { return chart_; }
    // The receipts/payments chart's row labels as shown: abbreviated unless zoomed.
    QStringList chartRowLabels() const;
    bool chartZoomed() const { return zoomed_; }
    const TextGrid& orderGrid() const { return orderGrid_; }
    // 0 today's transactions, 1 today's order execution, 2 today's stock.
    const TextGrid& summary(int index) const { return summaries_[static_cast<std::size_t>(index)]; }
    // What the owner reads: every summary figure, then the analysis shown.
    QStringList ownerLines() const;

private:
    void selectAnalysis(int index);
    void fillCurrencies();
    std::optional<DateRange> selectedRange() const;
    void refreshOrders(bool sales, bool interactive);
    // The result's rows the filter leaves, in the chart; no recordset changes nothing.
    void showDetailRows(const db::RecordsetPtr& rs, const QString& filter, int analysis);
    void writeOrderFigures(bool sales, bool interactive, const std::vector<double>& figures);
    void showError(const Error& error);
    QStringList analysisLines() const;
    template <class F> void notify(F member) {
        if (view_)
            (view_->*member)();
    }

    ConsoleContext& ctx_;
    Clock today_;
    IAnalysisView* view_ = nullptr;
    int current_ = 0;
    bool busy_ = false;
    Selector time_, document_, object_;
    QString documentCaption_;
    ResultView resultView_ = ResultView::Placeholder;
    ChartResult chart_;
    bool zoomed_ = false;
    TextGrid orderGrid_;
    std::array<TextGrid, 3> summaries_;
};

} // namespace zrk::analysis
