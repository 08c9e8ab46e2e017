#pragma once

// Draws a chart result into a toolkit chart: a two-dimensional bar chart, legend on the right.

#include "analysis/chart_result.h"

#include <QStringList>
#include <functional>

class QChart;

namespace zrk::analysis {

using Translator = std::function<QString(const QString&)>;

// Fills a new chart with the series and axes of the result; rowLabels are the category
// labels as shown (the receipts/payments chart's abbreviated or full names).
void buildChart(QChart& chart, const ChartResult& result, const QStringList& rowLabels, const Translator& tr);

// The category axis's labels again, after a zoom.
void setCategoryLabels(QChart& chart, const QStringList& rowLabels);

} // namespace zrk::analysis
