#pragma once

#include "settings/report_lists.h"

#include <QAbstractTableModel>

namespace zrk {

inline const QString kReportNameHeader = QStringLiteral("报表名称");

// One list of the report settings as a table of five columns (ReportRow::cells); only the first,
// headed by the translated "报表名称", is meant to be seen.
class ReportRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ReportRowsModel(const ReportLists& lists, ReportSide side, QString header, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The lists changed: the view reads them again.
    void reload();

private:
    const ReportLists& lists_;
    ReportSide side_;
    QString header_;
};

} // namespace zrk
