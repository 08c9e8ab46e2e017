// Placing the board window's regions and pieces from the board's geometry, and the painting
// of the report column.
#include "board/board_window.h"
#include "core/console_context.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace zrk {

namespace {

const QSize kIconSize(24, 24);
const QSize kMakerSize(160, 62);
const QSize kToolIconSize(24, 24);
const QSize kHoverIconSize(16, 16);
constexpr int kHoverBarLeft = 60;
constexpr int kHoverBarWidth = 2600;
constexpr int kHoverBarHeight = 315;

} // namespace

int BoardWindow::twipsPerPixel() const {
    const int dpi = logicalDpiX();
    return dpi > 0 ? 1440 / dpi : 15;
}

QRect BoardWindow::toPixels(const QRect& twips) const {
    const double t = twipsPerPixel();
    return QRect(int(std::lround(twips.left() / t)), int(std::lround(twips.top() / t)),
                 int(std::lround(twips.width() / t)), int(std::lround(twips.height() / t)));
}

QSize BoardWindow::toTwips(QSize pixels) const {
    return pixels * twipsPerPixel();
}

int BoardWindow::screenWidth() const {
    if (ctx_.desktop().screenSize)
        return ctx_.desktop().screenSize->width();
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 1024;
}

void BoardWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (ctx_.board().active)
        relayout();
}

void BoardWindow::relayout() {
    factors_ = computeScaleFactors(screenWidth(), width() * twipsPerPixel());
    regions_ = layoutRegions(toTwips(size()), logoHeight(dpiScale_), factors_, regions_);
    back_->setGeometry(toPixels(regions_.back));
    top_->setGeometry(toPixels(regions_.top));
    head_->setGeometry(toPixels(regions_.head));
    left_->setGeometry(toPixels(regions_.left));
    right_->setGeometry(toPixels(regions_.right));
    mid_->setGeometry(toPixels(regions_.mid));
    restoreAnalysisLayout();
    layoutTopStrip();
    layoutTitleStrip();
    layoutLeftColumn();
    layoutRightColumn();
    back_->update();
}

void BoardWindow::restoreAnalysisLayout() {
    regions_.fx = analysisRect(regions_.back, regions_.left, regions_.mid);
    if (QWidget* analysis = panel_ ? panel_->analysisWidget() : nullptr) {
        if (regions_.fx.width() >= 0 && regions_.fx.height() >= 0)
            analysis->setGeometry(toPixels(regions_.fx));
        analysis->raise();
    }
}

QRect BoardWindow::zoomArea() const {
    return back_->rect();
}

void BoardWindow::layoutTopStrip() {
    const TopStrip s =
        zrk::layoutTopStrip(regions_.back.width(), dpiScale_, toTwips(maker_->naturalSize(kMakerSize)));
    logo_->setGeometry(toPixels(s.logo));
    filler_->setGeometry(toPixels(s.filler));
    maker_->setGeometry(toPixels(s.maker));
}

void BoardWindow::layoutTitleStrip() {
    TitleSizes sizes{toTwips(leftTitle_->sizeHint()),
                     toTwips(xxkbTitle_->sizeHint()),
                     toTwips(listTitle_->sizeHint()),
                     toTwips(refreshLabel_->sizeHint()),
                     toTwips(refreshImg_->naturalSize(QSize(16, 16))),
                     lineImg_->naturalSize(QSize(2, 27)).width() * twipsPerPixel()};
    const TitleStrip s = zrk::layoutTitleStrip(toTwips(head_->size()), factors_, sizes);
    headImg_->setGeometry(toPixels(s.head));
    leftTitle_->setGeometry(toPixels(s.leftTitle));
    lineImg_->setGeometry(toPixels(s.line));
    xxkbImg_->setGeometry(toPixels(s.xxkb));
    xxkbTitle_->setGeometry(toPixels(s.xxkbTitle));
    listImg_->setGeometry(toPixels(s.list));
    listTitle_->setGeometry(toPixels(s.listTitle));
    refreshLabel_->setGeometry(toPixels(s.refreshLabel));
    refreshImg_->setGeometry(toPixels(s.refreshIcon));
    for (QWidget* w : {static_cast<QWidget*>(leftTitle_), static_cast<QWidget*>(xxkbTitle_),
                       static_cast<QWidget*>(listTitle_), static_cast<QWidget*>(refreshImg_),
                       static_cast<QWidget*>(refreshLabel_)})
        w->raise();
}

void BoardWindow::layoutLeftColumn() {
    LeftSizes sizes;
    for (int i = 0; i < kCommonDataCount; ++i) {
        sizes.commonIcons.push_back(toTwips(commonIcons_[i]->naturalSize(kIconSize)));
        sizes.commonLabels.push_back(toTwips(commonLabels_[i]->sizeHint()));
    }
    for (int i = 0; i < kStatementSlotCount; ++i) {
        sizes.statementIcons.push_back(toTwips(statementIcons_[i]->naturalSize(kIconSize)));
        sizes.statementLabels.push_back(toTwips(statementLabels_[i]->sizeHint()));
    }
    sizes.separator = toTwips(sepImg_->naturalSize(QSize(left_->width(), 24)));
    sizes.separatorTitle = toTwips(sepTitle_->sizeHint());
    const LeftColumn c = zrk::layoutLeftColumn(sizes);
    for (int i = 0; i < kCommonDataCount; ++i) {
        commonIcons_[i]->setGeometry(toPixels(c.commonData[i].icon));
        commonLabels_[i]->setGeometry(toPixels(c.commonData[i].label));
    }
    sepImg_->setGeometry(toPixels(c.separator));
    sepTitle_->setGeometry(toPixels(c.separatorTitle));
    sepTitle_->raise();
    for (int i = 0; i < kStatementSlotCount; ++i) {
        statementIcons_[i]->setGeometry(toPixels(c.statements[i].icon));
        statementLabels_[i]->setGeometry(toPixels(c.statements[i].label));
    }
    const LeftDecor d = layoutLeftDecor(
        toTwips(left_->size()), leftLine_->naturalSize(QSize(1, 1)).width() * twipsPerPixel(), c.blockBottom);
    leftBack_->setGeometry(toPixels(d.background));
    leftBack_->lower();
    leftLine_->setGeometry(toPixels(d.edgeLine));
    picture_->setGeometry(toPixels(d.picture));
    picture_->stackUnder(commonIcons_[0]);
    picture_->raise();
    leftLine_->raise();
    for (QWidget* w : commonLabels_)
        w->raise();
    for (QWidget* w : statementLabels_)
        w->raise();
}

void BoardWindow::layoutRightColumn() {
    const RightColumn c = zrk::layoutRightColumn(
        toTwips(right_->size()), scrollBar_->sizeHint().width() * twipsPerPixel(),
        toTwips(importIcon_->pixmap().isNull() ? kToolIconSize : importIcon_->sizeHint()),
        toTwips(setIcon_->pixmap().isNull() ? kToolIconSize : setIcon_->sizeHint()), factors_);
    content_->setGeometry(toPixels(c.content));
    scrollBar_->setGeometry(toPixels(c.scrollBar));
    scrollBar_->raise();
    importIcon_->setGeometry(toPixels(c.importIcon));
    setIcon_->setGeometry(toPixels(c.setIcon));
    ReportListScroll& scroll = presenter_.reportScroll();
    scroll.update(c.content.height());
    {
        const QSignalBlocker quiet(scrollBar_);
        scrollBar_->setRange(0, scroll.max());
        scrollBar_->setPageStep(scroll.largeChange() > 0 ? scroll.largeChange() : 1);
        scrollBar_->setValue(0);
    }
    scrollBar_->setVisible(scroll.scrollBarVisible());
    placeReportList();
    right_->update();
}

void BoardWindow::placeReportList() {
    const ReportListScroll& scroll = presenter_.reportScroll();
    const QSize iconSize = toTwips(hoverIcon_->naturalSize(kHoverIconSize));
    const int left = iconSize.width() + 60;
    const int room = content_->width() * twipsPerPixel() - left -
                     (scrollBar_->isVisible() ? scrollBar_->width() * twipsPerPixel() + 15 : 0);
    for (int i = 0; i < scroll.count() && i < static_cast<int>(reportLabels_.size()); ++i) {
        BoardLink* label = reportLabels_[static_cast<std::size_t>(i)];
        const int width = std::min(label->sizeHint().width() * twipsPerPixel(), std::max(room, 0));
        label->setGeometry(toPixels(QRect(left, scroll.top(i), width, scroll.labelHeight())));
    }
    hoverIcon_->setGeometry(toPixels(QRect(QPoint(0, scroll.hoverIconTop()), iconSize)));
    hoverBar_->setGeometry(
        toPixels(QRect(kHoverBarLeft, scroll.hoverBarTop(), kHoverBarWidth, kHoverBarHeight)));
    hoverIcon_->setVisible(scroll.hoverShown());
    hoverBar_->setVisible(scroll.hoverShown());
    hoverBar_->lower();
}

void BoardWindow::paintRightColumn(QPainter& painter) {
    painter.setPen(QPen(kDottedLineColour, 1, Qt::DotLine));
    const int y = importIcon_->y() - 10;
    painter.drawLine(5, y, right_->width() - 5, y);
    painter.drawLine(0, 0, 0, right_->height());
}

} // namespace zrk
