#pragma once

// What the chart shows, as a plain value built from a result recordset: the chart widget draws
// it and the owner's lines read it, so the figures are tested without a chart.

#include "platform/db/recordset.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zrk::analysis {

struct ChartResult {
    // One category with a bar per result row (each its own series), or a category per result
    // row with two bars (receipts and payments).
    enum class Layout { BarPerRow, RowsOfTwo };

    Layout layout = Layout::BarPerRow;
    QString valueAxisTitle, categoryAxisTitle; // untranslated
    double barGap = 0.5;
    // BarPerRow: the labels of the result rows; RowsOfTwo: the two columns' names (untranslated).
    QStringList seriesNames;
    // RowsOfTwo: the full label of each result row; BarPerRow: one empty label.
    QStringList rowLabels;
    // values[category][series]
    std::vector<std::vector<double>> values;

    // The number of result rows shown; 0 shows the placeholder.
    int shownCount() const {
        return layout == Layout::RowsOfTwo ? int(rowLabels.size()) : int(seriesNames.size());
    }
};

// The most rows an analysis shows: 5 sales profit, 3 receipts/payments, 7 stock by warehouse,
// 5 overstock/shortage; none for any other analysis.
std::optional<int> rowLimit(int analysis);

// The chart of a result: none when there is no recordset (the chart stays as it is); a result
// without rows gives shownCount 0. The recordset is read from its first row.
std::optional<ChartResult> buildChartResult(db::Recordset* rs, int analysis, int objectIndex);

// A row label of the receipts/payments chart: in full when zoomed or up to 5 characters, else
// its first 3 characters and "..".
QString abbreviatedLabel(const QString& label, bool zoomed);

// The fixed colour of a series (0-based); none for the ones that keep the chart's own colour.
std::optional<QColor> seriesColour(ChartResult::Layout layout, int series);

// The colour of the data labels and of the grid lines.
inline QColor dataLabelColour() {
    return QColor(34, 43, 144);
}
inline QColor gridLineColour() {
    return QColor(192, 200, 202);
}

} // namespace zrk::analysis
