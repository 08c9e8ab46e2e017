#include "board/board_geometry.h"

#include <algorithm>
#include <cmath>

namespace zrk {

namespace {

int whole(double twips) {
    return static_cast<int>(std::lround(twips));
}

// A region moved only when its size is not negative; the move fails otherwise and it stays.
QRect placed(const QRect& wanted, const QRect& previous) {
    return wanted.width() < 0 || wanted.height() < 0 ? previous : wanted;
}

QRect rect(int left, int top, int width, int height) {
    return QRect(left, top, width, height);
}

std::vector<StackedItem> stack(const std::vector<QSize>& icons, const std::vector<QSize>& labels, int left,
                               int top) {
    std::vector<StackedItem> items;
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const QRect icon = i == 0 ? rect(left, top, icons[i].width(), icons[i].height())
                                  : rect(items[i - 1].icon.left(),
                                         items[i - 1].icon.top() + items[i - 1].icon.height() + 100,
                                         icons[i].width(), icons[i].height());
        const QSize label = i < labels.size() ? labels[i] : QSize();
        const int labelLeft = i == 0 ? icon.left() + icon.width() + 150 : items[i - 1].label.left();
        // 30 twips below the icon's top, as designed for icons about a line high; a taller
        // picture has its label centred on it instead of hanging from its top.
        const int below = std::max(30, (icon.height() - label.height()) / 2);
        items.push_back({icon, rect(labelLeft, icon.top() + below, label.width(), label.height())});
    }
    return items;
}

int bottomOf(const std::vector<StackedItem>& items, int otherwise) {
    return items.empty() ? otherwise : items.back().icon.top() + items.back().icon.height();
}

} // namespace

ScaleFactors computeScaleFactors(int screenWidthPixels, int innerWidthTwips) {
    ScaleFactors f;
    if (screenWidthPixels <= 0)
        return f;
    if (screenWidthPixels < 1024)
        f.screenScale = screenWidthPixels / 1024.0;
    const double share = double(innerWidthTwips) / screenWidthPixels / 15.0;
    f.sizeFactor = share > 0 ? std::sqrt(share) : 0.0;
    return f;
}

int leftColumnWidth(const ScaleFactors& f) {
    return whole(kLeftColumnTwips * f.screenScale * f.sizeFactor);
}

int rightColumnWidth(const ScaleFactors& f) {
    return whole(kRightColumnTwips * f.screenScale * f.sizeFactor);
}

BoardRegions layoutRegions(QSize inner, int logoHeight, const ScaleFactors& f, const BoardRegions& previous) {
    BoardRegions r;
    r.back = placed(rect(0, 0, inner.width(), inner.height()), previous.back);
    const int w = r.back.width();
    const int h = r.back.height();
    r.top = placed(rect(0, 0, w, logoHeight), previous.top);
    r.head = placed(rect(0, r.top.bottom() + 1, w, kHeadHeightTwips), previous.head);
    const int columnsTop = r.head.top() + r.head.height();
    r.left = placed(rect(0, columnsTop, leftColumnWidth(f), h - columnsTop), previous.left);
    const int rightWidth = rightColumnWidth(f);
    r.right = placed(rect(w - rightWidth, r.left.top(), rightWidth, r.left.height()), previous.right);
    r.mid = placed(
        rect(r.left.width(), r.left.top(), w - r.left.width() - r.right.width(), previous.mid.height()),
        previous.mid);
    r.fx = placed(analysisRect(r.back, r.left, r.mid), previous.fx);
    return r;
}

QRect analysisRect(const QRect& back, const QRect& left, const QRect& mid) {
    const int top = mid.top() + mid.height();
    return rect(left.left() + left.width() + 150, top, mid.width() - 300, back.height() - top - 150);
}

int logoHeight(double dpiScale) {
    return whole(930 * dpiScale);
}

TopStrip layoutTopStrip(int backWidth, double dpiScale, QSize makerSize) {
    TopStrip s;
    s.logo = rect(0, 0, whole(5880 * dpiScale), logoHeight(dpiScale));
    s.maker = rect(backWidth - makerSize.width(), 0, makerSize.width(), s.logo.height());
    s.filler = rect(s.logo.width(), 0, backWidth - s.logo.width() - makerSize.width(), s.logo.height());
    return s;
}

TitleStrip layoutTitleStrip(QSize head, const ScaleFactors& f, const TitleSizes& sizes) {
    TitleStrip s;
    const int h = head.height();
    const int right = rightColumnWidth(f);
    s.head = rect(0, 0, leftColumnWidth(f), h);
    s.leftTitle =
        rect(480, (h - sizes.leftTitle.height()) / 2, sizes.leftTitle.width(), sizes.leftTitle.height());
    s.line = rect(s.head.width(), 0, sizes.lineWidth, h);
    const int xxkbLeft = s.line.left() + s.line.width();
    s.xxkb = rect(xxkbLeft, 0, head.width() - right - xxkbLeft, h);
    s.xxkbTitle = rect(xxkbLeft + whole(200 * f.screenScale), s.leftTitle.top(), sizes.xxkbTitle.width(),
                       sizes.xxkbTitle.height());
    s.list = rect(head.width() - right, 0, right, s.xxkb.height());
    s.listTitle = rect(s.list.left() + whole(50 * f.screenScale), s.xxkbTitle.top(), sizes.listTitle.width(),
                       sizes.listTitle.height());
    const int refreshRight = s.list.left() - whole(200 * f.screenScale);
    s.refreshLabel = rect(refreshRight - sizes.refreshLabel.width(), (h - sizes.refreshLabel.height()) / 2,
                          sizes.refreshLabel.width(), sizes.refreshLabel.height());
    s.refreshIcon =
        rect(s.refreshLabel.left() - whole(20 * f.screenScale) - sizes.refreshIcon.width(),
             (h - sizes.refreshIcon.height()) / 2, sizes.refreshIcon.width(), sizes.refreshIcon.height());
    return s;
}

LeftColumn layoutLeftColumn(const LeftSizes& sizes) {
    LeftColumn c;
    c.commonData = stack(sizes.commonIcons, sizes.commonLabels, 480, 120);
    const int commonBottom = bottomOf(c.commonData, 120);
    c.separator = rect(320, commonBottom + 100, sizes.separator.width(), sizes.separator.height());
    c.separatorTitle =
        rect(480, c.separator.top() + (c.separator.height() - sizes.separatorTitle.height()) / 2,
             sizes.separatorTitle.width(), sizes.separatorTitle.height());
    const int statementsTop = c.separator.top() + c.separator.height() + 120;
    c.statements = stack(sizes.statementIcons, sizes.statementLabels, 480, statementsTop);
    c.blockBottom = bottomOf(c.statements, statementsTop);
    return c;
}

LeftDecor layoutLeftDecor(QSize column, int lineWidth, int blockBottom) {
    LeftDecor d;
    d.background = rect(0, 0, column.width(), column.height());
    d.edgeLine = rect(column.width() - lineWidth, 0, lineWidth, column.height());
    const int bottomPlace = column.height() - kLeftPictureHeight;
    d.picture =
        rect(0, bottomPlace < blockBottom ? blockBottom : bottomPlace, column.width(), kLeftPictureHeight);
    return d;
}

RightColumn layoutRightColumn(QSize column, int scrollBarWidth, QSize importIcon, QSize setIcon,
                              const ScaleFactors& f) {
    RightColumn c;
    c.content = rect(30, 0, column.width() - 30, column.height() - 550);
    c.scrollBar = rect(c.content.width() - scrollBarWidth - 15, 0, scrollBarWidth, c.content.height());
    c.importIcon =
        rect(whole(150 * f.sizeFactor), column.height() - 400, importIcon.width(), importIcon.height());
    c.setIcon =
        rect((column.width() - setIcon.width()) / 2, c.importIcon.top(), setIcon.width(), setIcon.height());
    return c;
}

} // namespace zrk
