#include "analysis/analysis_widget.h"

#include "analysis/analysis_tabs.h"
#include "analysis/grid_view.h"
#include "analysis/panel_geometry.h"
#include "analysis/twips_rect.h"
#include "desktop/artwork.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStyle>
#include <QTableView>

namespace zrk::analysis {

namespace {

const QColor kFrameColour(165, 193, 216);
const QColor kHeaderColour(214, 230, 245);

QLabel* newLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->adjustSize();
    return label;
}

} // namespace

AnalysisWidget::AnalysisWidget(QWidget* parent, AnalysisPresenter& presenter, Translator tr,
                               int twipsPerPixel, std::function<double()> sizeFactor)
    : QWidget(parent), presenter_(presenter), tr_(std::move(tr)), twipsPerPixel_(twipsPerPixel),
      sizeFactor_(std::move(sizeFactor)) {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    buildHeader();
    buildTabs();
    buildResultArea();
    showTabs();
    showSelectors();
    showResult();
}

void AnalysisWidget::buildHeader() {
    header_ = new QLabel(this);
    header_->setAutoFillBackground(true);
    QPalette band = header_->palette();
    band.setColor(QPalette::Window, kHeaderColour);
    header_->setPalette(band);
    title_ = newLabel(this, tr_(kPanelTitle));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->adjustSize();
    search_ = new QLabel(this);
    search_->setPixmap(style()->standardPixmap(QStyle::SP_FileDialogContentsView));
    search_->adjustSize();
    search_->setCursor(handCursor());
    search_->installEventFilter(this);
    timeCaption_ = newLabel(this, tr_(kTimeCaption));
    documentCaption_ = newLabel(this, tr_(QStringLiteral("单据")));
    objectCaption_ = newLabel(this, tr_(kObjectCaption));
    for (QComboBox** list : {&timeList_, &documentList_, &objectList_}) {
        *list = new QComboBox(this);
        (*list)->setMinimumContentsLength(6);
        (*list)->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        (*list)->adjustSize();
    }
    connect(timeList_, &QComboBox::currentIndexChanged, this, [this](int i) { presenter_.chooseTime(i); });
    connect(documentList_, &QComboBox::currentIndexChanged, this,
            [this](int i) { presenter_.chooseDocument(i); });
    connect(objectList_, &QComboBox::currentIndexChanged, this,
            [this](int i) { presenter_.chooseObject(i); });
}

void AnalysisWidget::buildTabs() {
    for (int i = 0; i < kAnalysisCount; ++i) {
        auto* tab = new QWidget(this);
        tab->setAutoFillBackground(true);
        tab->setCursor(handCursor());
        tab->installEventFilter(this);
        tabLabels_[std::size_t(i)] = newLabel(tab, tr_(tabCaption(i)));
        tabLabels_[std::size_t(i)]->setAttribute(Qt::WA_TransparentForMouseEvents);
        tabs_[std::size_t(i)] = tab;
    }
}

void AnalysisWidget::buildResultArea() {
    resultArea_ = new QWidget(this);
    noData_ = newLabel(resultArea_, tr_(QStringLiteral("无显示数据")));
    chartView_ = new QChartView(resultArea_);
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setToolTip(tr_(QStringLiteral("双击放大")));
    chartView_->viewport()->installEventFilter(this);
    orderGrid_ = new QTableView(resultArea_);
    orderModel_ = new QStandardItemModel(orderGrid_);
    orderGrid_->setModel(orderModel_);
    styleGridView(*orderGrid_, 18); // six rows in the grid's fixed height
}

QChart& AnalysisWidget::chart() {
    return *chartView_->chart();
}

void AnalysisWidget::showTabs() {
    for (int i = 0; i < kAnalysisCount; ++i) {
        QPalette p = tabs_[std::size_t(i)]->palette();
        p.setColor(QPalette::Window, i == presenter_.currentAnalysis() ? Qt::white : unselectedTabColour());
        tabs_[std::size_t(i)]->setPalette(p);
        tabLabels_[std::size_t(i)]->show();
        tabLabels_[std::size_t(i)]->raise();
    }
    update();
}

void AnalysisWidget::mirror(QComboBox& list, QLabel& caption, const Selector& selector) {
    {
        // Only the final choice is the list's click; the refill's own changes would tell the
        // presenter of indexes it never chose.
        const QSignalBlocker quiet(list);
        list.clear();
        for (const QString& item : selector.items)
            list.addItem(selector.data.isEmpty() ? tr_(item) : item);
        list.setCurrentIndex(-1);
    }
    list.setCurrentIndex(selector.index);
    list.setVisible(selector.shown);
    caption.setVisible(selector.shown);
}

void AnalysisWidget::showSelectors() {
    mirror(*timeList_, *timeCaption_, presenter_.timeSelector());
    mirror(*documentList_, *documentCaption_, presenter_.documentSelector());
    mirror(*objectList_, *objectCaption_, presenter_.objectSelector());
    if (!presenter_.documentCaption().isEmpty())
        documentCaption_->setText(tr_(presenter_.documentCaption()));
}

void AnalysisWidget::showResult() {
    const ResultView view = presenter_.resultView();
    if (view == ResultView::Chart) {
        // A fresh chart for every result, so that nothing of the last one stays behind.
        QChart* last = chartView_->chart();
        auto* fresh = new QChart;
        buildChart(*fresh, presenter_.chart(), presenter_.chartRowLabels(), tr_);
        chartView_->setChart(fresh);
        delete last;
    }
    chartView_->setVisible(view == ResultView::Chart);
    orderGrid_->setVisible(view == ResultView::OrderGrid);
    noData_->setVisible(view == ResultView::Placeholder);
    if (view == ResultView::OrderGrid) {
        showGrid(*orderGrid_, *orderModel_, presenter_.orderGrid(), tr_);
        orderGrid_->setSpan(0, 0, 1, 3);
        orderGrid_->setSpan(3, 0, 1, 3);
    }
    if (view == ResultView::Chart)
        chartView_->raise();
}

void AnalysisWidget::showZoom() {
    chartView_->setToolTip(
        tr_(presenter_.chartZoomed() ? QStringLiteral("双击缩小") : QStringLiteral("双击放大")));
    if (presenter_.currentAnalysis() == 1)
        setCategoryLabels(chart(), presenter_.chartRowLabels());
}

void AnalysisWidget::resizeEvent(QResizeEvent*) {
    const int t = twipsPerPixel_;
    PanelChildSizes sizes;
    sizes.title = toTwips(title_->size(), t);
    sizes.search = toTwips(search_->size(), t);
    sizes.timeLabel = toTwips(timeCaption_->size(), t);
    sizes.documentLabel = toTwips(documentCaption_->size(), t);
    sizes.objectLabel = toTwips(objectCaption_->size(), t);
    sizes.timeList = toTwips(timeList_->size(), t);
    sizes.documentList = toTwips(documentList_->size(), t);
    sizes.objectList = toTwips(objectList_->size(), t);
    sizes.tabLabel = toTwips(tabLabels_[0]->size(), t);
    sizes.noData = toTwips(noData_->size(), t);
    const PanelLayout l = layoutAnalysisPanel(width() * t, height() * t, sizeFactor_(), sizes);
    header_->setGeometry(toPixels(l.header, t));
    header_->lower();
    title_->setGeometry(toPixels(l.title, t));
    search_->setGeometry(toPixels(l.search, t));
    timeCaption_->setGeometry(toPixels(l.timeLabel, t));
    timeList_->setGeometry(toPixels(l.timeList, t));
    documentCaption_->setGeometry(toPixels(l.documentLabel, t));
    documentList_->setGeometry(toPixels(l.documentList, t));
    objectCaption_->setGeometry(toPixels(l.objectLabel, t));
    objectList_->setGeometry(toPixels(l.objectList, t));
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        tabs_[i]->setGeometry(toPixels(l.tabs[i], t));
        tabLabels_[i]->move(toPixels(l.tabLabels[i], t).topLeft());
    }
    resultArea_->setGeometry(toPixels(l.resultArea, t));
    noData_->setGeometry(toPixels(l.noData, t));
    chartView_->setGeometry(toPixels(l.chart, t));
    orderGrid_->setGeometry(toPixels(l.orderGrid, t));
}

void AnalysisWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(kFrameColour, 1));
    painter.drawRect(frameAround(resultArea_->geometry()));
    const int current = presenter_.currentAnalysis();
    if (current < 0 || current >= kAnalysisCount)
        return;
    const QRect tabFrame = frameAround(tabs_[std::size_t(current)]->geometry());
    painter.drawRect(tabFrame);
    painter.setPen(QPen(Qt::white, 1, Qt::SolidLine));
    const QLine opening = tabOpening(tabFrame);
    painter.drawLine(opening);
}

bool AnalysisWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < kAnalysisCount; ++i)
            if (watched == tabs_[std::size_t(i)]) {
                whileBusy([this, i] { presenter_.clickTab(i); });
                return true;
            }
        if (watched == search_) {
            whileBusy([this] { presenter_.search(); });
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick && watched == chartView_->viewport() &&
        onChartDoubleClick) {
        onChartDoubleClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zrk::analysis
