#include "settings/report_lists.h"

namespace zrk {

void ReportLists::fill(QList<ReportRow> hidden, QList<ReportRow> shown) {
    left_ = std::move(hidden);
    right_ = std::move(shown);
}

bool ReportLists::move(ReportSide from, int row) {
    QList<ReportRow>& source = list(from);
    if (row < 0 || row >= source.size())
        return false;
    list(from == ReportSide::Left ? ReportSide::Right : ReportSide::Left).append(source.takeAt(row));
    dirty_ = true;
    moved_ = true;
    return true;
}

void ReportLists::moveAll(ReportSide from) {
    for (int row = static_cast<int>(rows(from).size()) - 1; row >= 0; --row)
        move(from, row);
}

void ReportLists::markSaved() {
    dirty_ = false;
    saved_ = true;
}

void ReportLists::markRestored() {
    dirty_ = false;
    saved_ = true;
    moved_ = true;
}

int findReportRow(const QList<ReportRow>& rows, const QString& text) {
    const QString wanted = text.trimmed();
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].caption.contains(wanted, Qt::CaseInsensitive))
            return i;
    return -1;
}

} // namespace zrk
