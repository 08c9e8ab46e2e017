#include "plugins/functions/record_table_model.h"

#include "plugins/functions/money.h"

#include <algorithm>
#include <numeric>

namespace zrk::functions {

namespace {

using Cell = db::RowStore::Cell;

QString numberText(const Cell& c) {
    if (c.tag == Cell::Tag::Int)
        return QString::number(c.i);
    QString text = QString::number(c.d, 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

double numberOf(const Cell& c) {
    return c.tag == Cell::Tag::Int ? static_cast<double>(c.i) : c.tag == Cell::Tag::Real ? c.d : 0.0;
}

bool isNumeric(ColumnKind kind) {
    return kind == ColumnKind::Number || kind == ColumnKind::Money || kind == ColumnKind::Cents;
}

} // namespace

QString cellDisplayText(const db::RowStore& rows, int row, int column, ColumnKind kind) {
    const Cell& c = rows.cell(row, column);
    if (c.tag == Cell::Tag::Null)
        return QString();
    const bool number = c.tag == Cell::Tag::Int || c.tag == Cell::Tag::Real;
    switch (kind) {
    case ColumnKind::Number:
        return number ? numberText(c) : rows.value(row, column).toString();
    case ColumnKind::Money:
        return number ? formatCents(centsOf(numberOf(c))) : rows.value(row, column).toString();
    case ColumnKind::Cents:
        return number ? formatCents(c.tag == Cell::Tag::Int ? c.i : std::llround(c.d))
                      : rows.value(row, column).toString();
    case ColumnKind::Date:
        return c.tag == Cell::Tag::Text ? rows.text(c).left(10) : rows.value(row, column).toString();
    case ColumnKind::Flag:
        return number && numberOf(c) == 1 ? QStringLiteral("是") : QString();
    case ColumnKind::Text:
    case ColumnKind::Term:
    case ColumnKind::Hidden:
        break;
    }
    return c.tag == Cell::Tag::Text ? rows.text(c) : rows.value(row, column).toString();
}

RecordTableModel::RecordTableModel(Translator translate, QObject* parent)
    : QAbstractTableModel(parent), translate_(std::move(translate)) {}

void RecordTableModel::setTable(TableData table) {
    beginResetModel();
    table_ = std::move(table);
    visible_.clear();
    storeColumnOf_.clear();
    for (std::size_t i = 0; i < table_.columns.size(); ++i) {
        storeColumnOf_.push_back(table_.columnOf(table_.columns[i].field));
        if (table_.columns[i].kind != ColumnKind::Hidden)
            visible_.push_back(static_cast<int>(i));
    }
    order_.resize(static_cast<std::size_t>(table_.rowCount()));
    std::iota(order_.begin(), order_.end(), 0);
    rebuildView();
    endResetModel();
}

const ListColumn& RecordTableModel::columnAt(int visibleColumn) const {
    return table_.columns[static_cast<std::size_t>(visible_[static_cast<std::size_t>(visibleColumn)])];
}

int RecordTableModel::storeColumn(int visibleColumn) const {
    return storeColumnOf_[static_cast<std::size_t>(visible_[static_cast<std::size_t>(visibleColumn)])];
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(view_.size());
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(visible_.size());
}

QString RecordTableModel::cellText(int storeRow, int visibleColumn) const {
    const ColumnKind kind = columnAt(visibleColumn).kind;
    const QString text = cellDisplayText(*table_.rows, storeRow, storeColumn(visibleColumn), kind);
    const bool ownWord = kind == ColumnKind::Flag || kind == ColumnKind::Term;
    return ownWord && translate_ && !text.isEmpty() ? translate_(text) : text;
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(storeRow(index.row()), index.column());
    if (role == Qt::TextAlignmentRole && isNumeric(columnAt(index.column()).kind))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
        return {};
    return translate_ ? translate_(columnAt(section).title) : columnAt(section).title;
}

void RecordTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount())
        return;
    const int store = storeColumn(column);
    const ColumnKind kind = columnAt(column).kind;
    const db::RowStore& rows = *table_.rows;
    std::vector<int> sorted(order_.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    if (isNumeric(kind)) {
        std::vector<double> keys(sorted.size());
        for (std::size_t r = 0; r < keys.size(); ++r)
            keys[r] = numberOf(rows.cell(static_cast<int>(r), store));
        std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
            return order == Qt::AscendingOrder
                       ? keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)]
                       : keys[static_cast<std::size_t>(b)] < keys[static_cast<std::size_t>(a)];
        });
    } else {
        std::vector<QString> keys(sorted.size());
        for (std::size_t r = 0; r < keys.size(); ++r)
            keys[r] = cellDisplayText(rows, static_cast<int>(r), store, kind);
        std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
            return order == Qt::AscendingOrder
                       ? keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)]
                       : keys[static_cast<std::size_t>(b)] < keys[static_cast<std::size_t>(a)];
        });
    }
    emit layoutAboutToBeChanged();
    order_ = std::move(sorted);
    rebuildView();
    emit layoutChanged();
}

bool RecordTableModel::rowMatches(int row, const QString& text) const {
    for (int column = 0; column < columnCount(); ++column)
        if (cellText(row, column).contains(text, Qt::CaseInsensitive))
            return true;
    return false;
}

void RecordTableModel::rebuildView() {
    view_.clear();
    view_.reserve(order_.size());
    for (int row : order_)
        if (search_.isEmpty() || rowMatches(row, search_))
            view_.push_back(row);
}

void RecordTableModel::setSearchText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed == search_)
        return;
    beginResetModel();
    search_ = trimmed;
    rebuildView();
    endResetModel();
}

QString RecordTableModel::statusText() const {
    const auto tr = [this](const QString& t) { return translate_ ? translate_(t) : t; };
    if (static_cast<int>(view_.size()) == totalRows())
        return tr(QStringLiteral("共 %1 行")).arg(totalRows());
    return tr(QStringLiteral("显示 %1 / 共 %2 行")).arg(view_.size()).arg(totalRows());
}

} // namespace zrk::functions
