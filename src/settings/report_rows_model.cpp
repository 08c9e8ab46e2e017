#include "settings/report_rows_model.h"

namespace zrk {

namespace {
constexpr int kColumns = 5;
}

ReportRowsModel::ReportRowsModel(const ReportLists& lists, ReportSide side, QString header, QObject* parent)
    : QAbstractTableModel(parent), lists_(lists), side_(side), header_(std::move(header)) {}

int ReportRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lists_.rows(side_).size());
}

int ReportRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ReportRowsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return lists_.rows(side_)[index.row()].cells().value(index.column());
}

QVariant ReportRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section == 0 ? QVariant(header_) : QVariant();
}

void ReportRowsModel::reload() {
    beginResetModel();
    endResetModel();
}

} // namespace zrk
