#include "suite/favourites_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zrk::suite {

namespace {

QPushButton* button(const SuiteTexts& texts, const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(texts.text(QString::fromUtf8(caption)), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

FavouritesDialog::FavouritesDialog(FavouritesStore& store,
                                   std::array<QList<OfferedFunction>, kFavouriteTypes> offered,
                                   const SuiteTexts& texts, QWidget* parent)
    : QDialog(parent), store_(store), offered_(std::move(offered)), types_(new QComboBox(this)),
      list_(new QListWidget(this)), caption_(new QLineEdit(this)), offeredBox_(new QComboBox(this)) {
    setObjectName(QStringLiteral("frmMenuStore"));
    setWindowTitle(texts.text(QStringLiteral("收藏夹定制")));
    types_->setObjectName(QStringLiteral("cboType"));
    list_->setObjectName(QStringLiteral("lstFavourites"));
    caption_->setObjectName(QStringLiteral("txtCaption"));
    offeredBox_->setObjectName(QStringLiteral("cboOffered"));
    for (const char* name : {"单据", "序时簿", "报表"})
        types_->addItem(texts.text(QString::fromUtf8(name)));

    auto* up = button(texts, "cmdUp", "上移", this);
    auto* down = button(texts, "cmdDown", "下移", this);
    auto* remove = button(texts, "cmdRemove", "删除", this);
    auto* rename = button(texts, "cmdRename", "重命名", this);
    auto* add = button(texts, "cmdAdd", "添加", this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(texts.text(QStringLiteral("确定")));
    buttons->button(QDialogButtonBox::Cancel)->setText(texts.text(QStringLiteral("取消")));

    auto* grid = new QGridLayout(this);
    grid->addWidget(types_, 0, 0, 1, 2);
    grid->addWidget(list_, 1, 0, 4, 1);
    grid->addWidget(up, 1, 1);
    grid->addWidget(down, 2, 1);
    grid->addWidget(remove, 3, 1);
    grid->addWidget(caption_, 5, 0);
    grid->addWidget(rename, 5, 1);
    grid->addWidget(offeredBox_, 6, 0);
    grid->addWidget(add, 6, 1);
    grid->addWidget(buttons, 7, 0, 1, 2);

    connect(types_, &QComboBox::currentIndexChanged, this, [this] { showType(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int r) {
        caption_->setText(r >= 0 && r < store_.ofType(type()).size() ? store_.ofType(type())[r].caption
                                                                     : QString());
    });
    connect(up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int r = row();
        if (store_.remove(type(), r))
            showList(qMin(r, static_cast<int>(store_.ofType(type()).size()) - 1));
    });
    connect(rename, &QPushButton::clicked, this, [this] {
        const int r = row();
        if (store_.rename(type(), r, caption_->text()))
            showList(r);
    });
    connect(add, &QPushButton::clicked, this, [this] {
        const int chosen = offeredBox_->currentIndex();
        const auto& offered = offered_[static_cast<size_t>(type() - 1)];
        if (chosen >= 0 && chosen < offered.size() && store_.add(type(), offered[chosen]))
            showList(static_cast<int>(store_.ofType(type()).size()) - 1);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showType();
}

int FavouritesDialog::type() const {
    return types_->currentIndex() + 1;
}

int FavouritesDialog::row() const {
    return list_->currentRow();
}

void FavouritesDialog::showType() {
    offeredBox_->clear();
    for (const OfferedFunction& f : offered_[static_cast<size_t>(type() - 1)])
        offeredBox_->addItem(f.caption);
    showList(0);
}

void FavouritesDialog::showList(int selectRow) {
    list_->clear();
    for (const StoredFavourite& f : store_.ofType(type()))
        list_->addItem(f.caption);
    if (selectRow >= 0 && selectRow < list_->count())
        list_->setCurrentRow(selectRow);
    else
        caption_->clear();
}

void FavouritesDialog::moveSelected(int delta) {
    const int r = row();
    if (store_.move(type(), r, delta))
        showList(r + delta);
}

} // namespace zrk::suite
