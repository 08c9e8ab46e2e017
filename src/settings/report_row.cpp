#include "settings/report_row.h"

#include "platform/vb_conversions.h"

namespace zrk {

QStringList ReportRow::cells() const {
    if (kind == Kind::OwnerReport)
        return {caption, QString::number(rptId()), QString(), QString(), QStringLiteral("1")};
    return {caption, QString::number(appType), QString::number(subId), QString::number(index),
            QStringLiteral("0")};
}

namespace {
QString textOf(db::Recordset& rs, const QString& field) {
    return vb::nullToText(rs.value(field)).toString();
}
} // namespace

ReportRow boardElementRow(db::Recordset& rs) {
    ReportRow row;
    row.caption = textOf(rs, QStringLiteral("FZRKCaption"));
    row.kind = ReportRow::Kind::BoardElement;
    row.appType = vb::clng(rs.value(QStringLiteral("FAppType")));
    row.subId = vb::clng(rs.value(QStringLiteral("FZRKSubID")));
    row.index = vb::clng(rs.value(QStringLiteral("FZRKIndex")));
    return row;
}

ReportRow ownerReportRow(db::Recordset& rs) {
    ReportRow row;
    row.caption = textOf(rs, QStringLiteral("FRptName"));
    row.kind = ReportRow::Kind::OwnerReport;
    row.appType = vb::clng(rs.value(QStringLiteral("FRptID")));
    return row;
}

} // namespace zrk
