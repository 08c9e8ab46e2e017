#pragma once

// The summary region: three panes side by side, each a caption, a unit label and its grid,
// framed on the left and on top.

#include "analysis/chart_builder.h"
#include "analysis/text_grid.h"

#include <QWidget>
#include <array>

class QLabel;
class QStandardItemModel;
class QTableView;

namespace zrk::analysis {

// The pane height the region's design gives, and the region's height with its margins (twips).
inline constexpr int kPaneHeight = 3240;
inline constexpr int kSummaryRegionHeight = 150 + kPaneHeight + 150;

class SummaryPane : public QWidget {
public:
    SummaryPane(QWidget* parent, int twipsPerPixel);
    void show(const TextGrid& grid, const Translator& tr);
    QTableView& grid() { return *grid_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int twipsPerPixel_;
    QLabel* caption_;
    QLabel* unit_;
    QTableView* grid_;
    QStandardItemModel* model_;
};

class SummaryPanes : public QWidget {
public:
    SummaryPanes(QWidget* parent, int twipsPerPixel);
    void show(const std::array<const TextGrid*, 3>& grids, const Translator& tr);
    SummaryPane& pane(int index) { return *panes_[std::size_t(index)]; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int twipsPerPixel_;
    std::array<SummaryPane*, 3> panes_;
};

} // namespace zrk::analysis
