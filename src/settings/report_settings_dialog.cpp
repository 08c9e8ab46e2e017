#include "settings/report_settings_dialog.h"

#include "desktop/grid_style.h"
#include "session/texts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zrk {

namespace {

constexpr int kNameColumnChars = 26;

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

ReportSettingsDialog::ReportSettingsDialog(ConsoleContext& ctx, db::Connection& company, QWidget* parent)
    : QDialog(parent), ctx_(ctx), presenter_(ctx, company) {
    setObjectName(QStringLiteral("frmReportSet"));
    setWindowTitle(translate(ctx_, kReportSettingsCaption));
    setModal(true);
    auto* grids = new QHBoxLayout;
    grids->addWidget(buildSide(left_, "fpLeft", QStringLiteral("未加入报表"), QStringLiteral("查找(&V)："),
                               QStringLiteral("双击添加报表")));
    grids->addWidget(buildMoveButtons());
    grids->addWidget(buildSide(right_, "fpRight", QStringLiteral("已添加报表"), QStringLiteral("查找(&X)："),
                               QStringLiteral("双击移除报表")));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grids);
    layout->addWidget(buildBottomButtons());
    presenter_.load();
    showLists();
}

QWidget* ReportSettingsDialog::buildSide(Side& side, const QString& name, const QString& title,
                                         const QString& searchLabel, const QString& hint) {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    auto* label = new QLabel(translate(ctx_, searchLabel), box);
    side.search = new QLineEdit(box);
    side.search->setObjectName(side.side == ReportSide::Left ? QStringLiteral("txtLeft")
                                                             : QStringLiteral("txtRight"));
    label->setBuddy(side.search);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(label);
    searchRow->addWidget(side.search);
    side.model = new ReportRowsModel(presenter_.lists(), side.side, translate(ctx_, kReportNameHeader), this);
    side.grid = new QTableView(box);
    side.grid->setObjectName(name);
    side.grid->setModel(side.model);
    applyGridStyle(*side.grid, translate(ctx_, kGridCornerText));
    side.grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int column = 1; column < side.model->columnCount(); ++column)
        side.grid->setColumnHidden(column, true);
    side.grid->setColumnWidth(0, side.grid->fontMetrics().averageCharWidth() * kNameColumnChars);
    side.grid->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(new QLabel(translate(ctx_, title), box));
    layout->addLayout(searchRow);
    layout->addWidget(side.grid);
    layout->addWidget(new QLabel(translate(ctx_, hint), box));
    const Side* bound = &side;
    connect(side.grid, &QTableView::doubleClicked, this, [this, bound](const QModelIndex& index) {
        presenter_.move(bound->side, index.row());
        showLists();
    });
    connect(side.search, &QLineEdit::textChanged, this,
            [this, bound](const QString& text) { search(*bound, text); });
    return box;
}

QWidget* ReportSettingsDialog::buildMoveButtons() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->addStretch();
    auto* add = button(box, "cmdAdd", QStringLiteral(">"));
    auto* addAll = button(box, "cmdAddAll", QStringLiteral(">>"));
    auto* remove = button(box, "cmdDelete", QStringLiteral("<"));
    auto* removeAll = button(box, "cmdDeleteAll", QStringLiteral("<<"));
    for (QPushButton* b : {add, addAll, remove, removeAll})
        layout->addWidget(b);
    layout->addStretch();
    connect(add, &QPushButton::clicked, this, [this] { moveActiveRow(left_); });
    connect(remove, &QPushButton::clicked, this, [this] { moveActiveRow(right_); });
    connect(addAll, &QPushButton::clicked, this, [this] { moveAll(ReportSide::Left); });
    connect(removeAll, &QPushButton::clicked, this, [this] { moveAll(ReportSide::Right); });
    return box;
}

QWidget* ReportSettingsDialog::buildBottomButtons() {
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    auto* reset = button(box, "cmdReset", translate(ctx_, QStringLiteral("恢复为默认设置(&L)")));
    auto* save = button(box, "cmdOK", translate(ctx_, QStringLiteral("保存(&S)")));
    auto* exit = button(box, "cmdExit", translate(ctx_, QStringLiteral("关闭(&C)")));
    layout->addWidget(reset);
    layout->addStretch();
    layout->addWidget(save);
    layout->addWidget(exit);
    connect(reset, &QPushButton::clicked, this, [this] {
        presenter_.restoreDefaults();
        showLists();
    });
    connect(save, &QPushButton::clicked, this, [this] { presenter_.save(); });
    connect(exit, &QPushButton::clicked, this, &ReportSettingsDialog::reject);
    return box;
}

void ReportSettingsDialog::moveActiveRow(const Side& from) {
    presenter_.move(from.side, from.grid->currentIndex().row());
    showLists();
}

void ReportSettingsDialog::moveAll(ReportSide from) {
    presenter_.moveAll(from);
    showLists();
}

void ReportSettingsDialog::search(const Side& side, const QString& text) {
    const int row = findReportRow(presenter_.lists().rows(side.side), text);
    if (row < 0)
        return;
    const QModelIndex cell = side.model->index(row, 0);
    side.grid->scrollTo(cell, QAbstractItemView::PositionAtTop);
    side.grid->setCurrentIndex(cell);
}

void ReportSettingsDialog::showLists() {
    left_.model->reload();
    right_.model->reload();
}

void ReportSettingsDialog::reject() {
    if (presenter_.mayClose())
        QDialog::reject();
}

} // namespace zrk
