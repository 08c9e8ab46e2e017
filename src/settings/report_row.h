#pragma once

#include "platform/db/recordset.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace zrk {

// One row of the report settings' grids: a report element of the board (a row of
// t_Boss_ElementPosition) or an owner report (a row of t_Rpt_Content_Boss). The keys are kept as
// the numbers read from the table, so that what a save writes back is always a number.
struct ReportRow {
    enum class Kind { BoardElement = 0, OwnerReport = 1 };

    QString caption;
    Kind kind = Kind::BoardElement;
    // A board element's FAppType, FZRKSubID and FZRKIndex; an owner report's FRptID is appType.
    std::int32_t appType = 0;
    std::int32_t subId = 0;
    std::int32_t index = 0;

    std::int32_t rptId() const { return appType; }

    // The grid's five columns as text: the caption, the key columns ("" where an owner report has
    // none) and the kind, "0" for a board element and "1" for an owner report.
    QStringList cells() const;

    bool operator==(const ReportRow&) const = default;
};

// The current record of the board-element query as a row: FZRKCaption (a Null as ""), FAppType,
// FZRKSubID and FZRKIndex. A key that is not a whole number raises the conversion's error.
ReportRow boardElementRow(db::Recordset& rs);

// The current record of the owner-report query as a row: FRptName (a Null as ""), FRptID.
ReportRow ownerReportRow(db::Recordset& rs);

} // namespace zrk
