#pragma once

// The bars' data labels in the panel's number format ("#,##0.00"), above each bar (below a
// negative one), in the labels' colour and size. The chart's own labels know no thousands
// separator, so these are drawn over the chart and follow its plot area.

#include <QObject>
#include <vector>

class QBarSeries;
class QChart;
class QGraphicsSimpleTextItem;

namespace zrk::analysis {

class BarValueLabels : public QObject {
public:
    BarValueLabels(QChart& chart, QBarSeries& series);

private:
    void place();

    struct Label {
        QGraphicsSimpleTextItem* item;
        double x, value;
    };
    QChart& chart_;
    QBarSeries& series_;
    std::vector<Label> labels_;
};

} // namespace zrk::analysis
