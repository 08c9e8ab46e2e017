#include "desktop/grid_style.h"

#include <QAbstractButton>
#include <QColor>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableView>

namespace zrk {

namespace {

const QColor kSelectionBack(234, 235, 255);
const QColor kSelectionText(33, 123, 233);
const QColor kHeaderShadow(174, 198, 250);
const QColor kGridLines(162, 162, 162);
constexpr int kHeaderHeight = 22;

// Paints the table's corner button as a header section with the button's text: the table draws
// it blank by itself.
class CornerPainter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || event->type() != QEvent::Paint)
            return false;
        QStyleOptionHeader option;
        option.initFrom(button);
        option.rect = button->rect();
        option.text = button->text();
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.state |= QStyle::State_Raised;
        QPainter painter(button);
        button->style()->drawControl(QStyle::CE_Header, &option, &painter, button);
        return true;
    }
};

} // namespace

void applyGridStyle(QTableView& grid, const QString& cornerText) {
    grid.horizontalHeader()->setSectionsMovable(false);
    grid.setFrameShape(QFrame::StyledPanel);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);

    QPalette palette = grid.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, kSelectionBack);
        palette.setColor(group, QPalette::HighlightedText, kSelectionText);
    }
    grid.setPalette(palette);
    grid.setGridStyle(Qt::SolidLine);
    grid.setStyleSheet(
        QStringLiteral(
            "QTableView { gridline-color: %1; selection-background-color: %2; selection-color: %3; }"
            " QHeaderView::section { background-color: %4; border: 1px solid %1; }")
            .arg(kGridLines.name(), kSelectionBack.name(), kSelectionText.name(), kHeaderShadow.name()));

    // Users widen and narrow columns; rows keep their height.
    grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.horizontalHeader()->setFixedHeight(kHeaderHeight);

    if (auto* corner = grid.findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        corner->setText(cornerText);
        if (!corner->findChild<CornerPainter*>())
            corner->installEventFilter(new CornerPainter(corner));
    }
}

} // namespace zrk
