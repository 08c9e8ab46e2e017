#include "analysis/chart_builder.h"

#include "analysis/bar_value_labels.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

namespace zrk::analysis {

namespace {

QFont titleFont() {
    QFont font;
    font.setPointSize(9);
    return font;
}

QBarSeries* makeSeries(const ChartResult& result, const Translator& tr) {
    auto* series = new QBarSeries;
    // The platform's bar gap is a share of a bar's width.
    series->setBarWidth(1.0 / (1.0 + result.barGap));
    const bool rows = result.layout == ChartResult::Layout::RowsOfTwo;
    for (int s = 0; s < result.seriesNames.size(); ++s) {
        auto* set = new QBarSet(rows ? tr(result.seriesNames[s]) : result.seriesNames[s]);
        for (const auto& category : result.values)
            *set << (s < int(category.size()) ? category[std::size_t(s)] : 0.0);
        if (const auto colour = seriesColour(result.layout, s))
            set->setColor(*colour);
        series->append(set);
    }
    return series;
}

// The axis refuses a label it holds already: names that are abbreviated alike stay apart by
// invisible marks.
QStringList uniqueLabels(const QStringList& labels) {
    QStringList out;
    for (QString label : labels) {
        while (out.contains(label))
            label += QChar(0x200B);
        out << label;
    }
    // A single empty category would be numbered by the axis.
    return out.isEmpty() || out == QStringList{QString()} ? QStringList{QStringLiteral(" ")} : out;
}

} // namespace

void buildChart(QChart& chart, const ChartResult& result, const QStringList& rowLabels,
                const Translator& tr) {
    chart.legend()->setAlignment(Qt::AlignRight);
    chart.setBackgroundPen(QPen(QColor(43, 45, 1)));
    chart.setBackgroundBrush(Qt::white);
    QBarSeries* series = makeSeries(result, tr);
    chart.addSeries(series);

    auto* categories = new QBarCategoryAxis;
    categories->append(uniqueLabels(rowLabels));
    categories->setTitleText(tr(result.categoryAxisTitle));
    categories->setTitleFont(titleFont());
    categories->setGridLineColor(gridLineColour());
    auto* values = new QValueAxis;
    values->setTitleText(tr(result.valueAxisTitle));
    values->setTitleFont(titleFont());
    QPen dotted(gridLineColour());
    dotted.setStyle(Qt::DotLine);
    values->setGridLinePen(dotted);
    values->setLabelFormat(QStringLiteral("%.0f"));
    chart.addAxis(categories, Qt::AlignBottom);
    chart.addAxis(values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
    // Room above the highest bar for its label; a chart of losses keeps 0 at its top.
    double low = 0, high = 0;
    for (const auto& category : result.values)
        for (double v : category)
            low = std::min(low, v), high = std::max(high, v);
    values->setRange(low * 1.15, high > 0 ? high * 1.15 : 1.0);
    values->applyNiceNumbers();
    new BarValueLabels(chart, *series);
}

void setCategoryLabels(QChart& chart, const QStringList& rowLabels) {
    for (QAbstractAxis* axis : chart.axes(Qt::Horizontal))
        if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis)) {
            categories->clear();
            categories->append(uniqueLabels(rowLabels));
        }
}

} // namespace zrk::analysis
