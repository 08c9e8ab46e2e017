#pragma once

// The analysis panel: the header with its title, selectors and search image, the five tabs and
// the result area with the placeholder, the chart and the order grid. It mirrors the presenter
// and forwards the owner's clicks to it.

#include "analysis/analysis_presenter.h"
#include "analysis/chart_builder.h"

#include <QWidget>
#include <array>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QStandardItemModel;
class QTableView;

namespace zrk::analysis {

class AnalysisWidget : public QWidget {
public:
    AnalysisWidget(QWidget* parent, AnalysisPresenter& presenter, Translator tr, int twipsPerPixel,
                   std::function<double()> sizeFactor);

    // Mirrors the presenter.
    void showTabs();
    void showSelectors();
    void showResult();
    // The chart's row labels and tooltip after a zoom.
    void showZoom();

    // The parts, for the board and the tests.
    QWidget& tab(int index) { return *tabs_[std::size_t(index)]; }
    QComboBox& timeList() { return *timeList_; }
    QComboBox& documentList() { return *documentList_; }
    QComboBox& objectList() { return *objectList_; }
    QLabel& searchImage() { return *search_; }
    QWidget& resultArea() { return *resultArea_; }
    QLabel& noDataLabel() { return *noData_; }
    QChartView& chartView() { return *chartView_; }
    QChart& chart();
    QTableView& orderGrid() { return *orderGrid_; }

    // Called with the chart's double click.
    std::function<void()> onChartDoubleClick;
    // Runs a tab click or a search with the hourglass up.
    std::function<void(const std::function<void()>&)> whileBusy = [](const std::function<void()>& run) {
        run();
    };

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeader();
    void buildTabs();
    void buildResultArea();
    void mirror(QComboBox& list, QLabel& caption, const Selector& selector);

    AnalysisPresenter& presenter_;
    Translator tr_;
    int twipsPerPixel_;
    std::function<double()> sizeFactor_;
    QLabel* header_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* search_ = nullptr;
    QLabel *timeCaption_ = nullptr, *documentCaption_ = nullptr, *objectCaption_ = nullptr;
    QComboBox *timeList_ = nullptr, *documentList_ = nullptr, *objectList_ = nullptr;
    std::array<QWidget*, 5> tabs_{};
    std::array<QLabel*, 5> tabLabels_{};
    QWidget* resultArea_ = nullptr;
    QLabel* noData_ = nullptr;
    QChartView* chartView_ = nullptr;
    QTableView* orderGrid_ = nullptr;
    QStandardItemModel* orderModel_ = nullptr;
};

} // namespace zrk::analysis
