#include "analysis/bar_value_labels.h"

#include "analysis/chart_result.h"
#include "platform/vb_conversions.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBrush>
#include <QChart>
#include <QGraphicsSimpleTextItem>

namespace zrk::analysis {

BarValueLabels::BarValueLabels(QChart& chart, QBarSeries& series)
    : QObject(&chart), chart_(chart), series_(series) {
    const QList<QBarSet*> sets = series.barSets();
    const double width = series.barWidth();
    const int count = int(sets.size());
    QFont font;
    font.setPointSize(9);
    for (int s = 0; s < count; ++s)
        for (int c = 0; c < sets[s]->count(); ++c) {
            const double value = sets[s]->at(c);
            // Bars of one category share its width, in set order, centred on it.
            const double x = c - width / 2 + (s + 0.5) * width / count;
            auto* item = new QGraphicsSimpleTextItem(vb::format(value, QStringLiteral("#,##0.00")), &chart);
            item->setBrush(dataLabelColour());
            item->setFont(font);
            item->setZValue(10);
            labels_.push_back({item, x, value});
        }
    connect(&chart, &QChart::plotAreaChanged, this, [this] { place(); });
    place();
}

void BarValueLabels::place() {
    for (const Label& l : labels_) {
        const QPointF top = chart_.mapToPosition(QPointF(l.x, l.value), &series_);
        const QRectF box = l.item->boundingRect();
        const double y = l.value >= 0 ? top.y() - box.height() - 2 : top.y() + 2;
        l.item->setPos(top.x() - box.width() / 2, y);
    }
}

} // namespace zrk::analysis
