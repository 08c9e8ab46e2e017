#include "settings/report_statements.h"

namespace zrk::report_sql {

QString boardElements(bool shown) {
    return QStringLiteral("Select * from ") + kElementTable +
           QStringLiteral(" where FAppType=0 and FDetailFuncType=3 and FisShow='%1' order by "
                          "FAppType,FZRKSubID,Forder")
               .arg(shown ? QLatin1Char('1') : QLatin1Char('0'));
}

QString ownerReports(bool shown) {
    return QStringLiteral("Select * from  ") + kOwnerReportTable +
           QStringLiteral(" where FRptType = 1 and  FVisibleInList='%1'  ")
               .arg(shown ? QLatin1Char('1') : QLatin1Char('0'));
}

QString hideBoardElements() {
    return QStringLiteral("update ") + kElementTable +
           QStringLiteral(" set FisShow='0' where FAppType=0 and FDetailFuncType=3");
}

QString hideOwnerReports() {
    return QStringLiteral("update ") + kOwnerReportTable +
           QStringLiteral(" set FVisibleInList='0' where FRptType = 1 ");
}

QString showRow(const ReportRow& row, int order) {
    if (row.kind == ReportRow::Kind::OwnerReport)
        return QStringLiteral("update ") + kOwnerReportTable +
               QStringLiteral(" set FVisibleInList='1' where FRptType = 1 ") +
               QStringLiteral(" and FrptID=") + QString::number(row.rptId());
    return QStringLiteral("update ") + kElementTable + QStringLiteral(" set FisShow='1',Forder=") +
           QString::number(order) + QStringLiteral(" where FAppType=") + QString::number(row.appType) +
           QStringLiteral(" and FZRKSubID=") + QString::number(row.subId) +
           QStringLiteral(" and FZRKIndex=") + QString::number(row.index);
}

QString backupShownElements() {
    return QStringLiteral("Select * from ") + kBackupTable +
           QStringLiteral(" where FAppType=0 and FDetailFuncType=3 and FisShow='1' order by Forder");
}

QString backupElementCount() {
    return QStringLiteral("Select count(*) from ") + kBackupTable +
           QStringLiteral(" where FAppType=0 and FDetailFuncType=3");
}

} // namespace zrk::report_sql
