#include "analysis/summary_panes.h"

#include "analysis/grid_view.h"
#include "analysis/panel_geometry.h"
#include "analysis/twips_rect.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>

namespace zrk::analysis {

namespace {

const QColor kFrameColour(165, 193, 216);

} // namespace

SummaryPane::SummaryPane(QWidget* parent, int twipsPerPixel)
    : QWidget(parent), twipsPerPixel_(twipsPerPixel), caption_(new QLabel(this)), unit_(new QLabel(this)),
      grid_(new QTableView(this)), model_(new QStandardItemModel(this)) {
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    grid_->setModel(model_);
    styleGridView(*grid_, 18);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void SummaryPane::show(const TextGrid& grid, const Translator& tr) {
    caption_->setText(tr(grid.caption()));
    unit_->setText(tr(grid.unit()));
    caption_->adjustSize();
    unit_->adjustSize();
    showGrid(*grid_, *model_, grid, tr);
    // The figures (the last column) keep their whole text; on a narrow screen the row texts
    // before them give way.
    if (model_->columnCount() > 0)
        grid_->horizontalHeader()->setSectionResizeMode(model_->columnCount() - 1,
                                                        QHeaderView::ResizeToContents);
    resizeEvent(nullptr);
}

void SummaryPane::resizeEvent(QResizeEvent*) {
    const PaneLayout l =
        layoutSummaryPane(toTwips(size(), twipsPerPixel_), toTwips(caption_->size(), twipsPerPixel_),
                          toTwips(unit_->size(), twipsPerPixel_));
    caption_->setGeometry(toPixels(l.caption, twipsPerPixel_));
    unit_->setGeometry(toPixels(l.unit, twipsPerPixel_));
    grid_->setGeometry(toPixels(l.grid, twipsPerPixel_));
}

void SummaryPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(kFrameColour, 1));
    for (const QLine& line : paneFrameLines(toTwips(grid_->geometry(), twipsPerPixel_)))
        painter.drawLine(line.p1() / twipsPerPixel_, line.p2() / twipsPerPixel_);
}

SummaryPanes::SummaryPanes(QWidget* parent, int twipsPerPixel)
    : QWidget(parent), twipsPerPixel_(twipsPerPixel) {
    for (auto& pane : panes_)
        pane = new SummaryPane(this, twipsPerPixel);
}

void SummaryPanes::show(const std::array<const TextGrid*, 3>& grids, const Translator& tr) {
    for (std::size_t i = 0; i < panes_.size(); ++i)
        panes_[i]->show(*grids[i], tr);
}

void SummaryPanes::resizeEvent(QResizeEvent*) {
    const auto rects = layoutSummaryPanes(width() * twipsPerPixel_, kPaneHeight);
    for (std::size_t i = 0; i < panes_.size(); ++i)
        panes_[i]->setGeometry(toPixels(rects[i], twipsPerPixel_));
}

} // namespace zrk::analysis
