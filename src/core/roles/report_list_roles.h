#pragma once

// The report component's two lists of reports, which the board reads to fill its statement slots
// and its list of frequent reports.

#include "platform/db/recordset.h"

#include <QString>
#include <cstdint>

namespace zrk {

inline const QString kReportRetrieveProgId = QStringLiteral("ReportViewer.SrvRptRetrieve");

// ReportViewer.SrvRptRetrieve as the board asks it for reports. Each record has the six fields
// of a board launch text: FFuncName, FDetailFuncID, FClassName, FSubFuncID, FClassParam,
// FFuncType. Errors pass on.
class IReportRetrieve {
public:
    virtual ~IReportRetrieve() = default;
    // Every report of the account set's report catalogue.
    virtual db::RecordsetPtr getRptRS() = 0;
    // The owner's own reports that the settings dialog shows on the board.
    virtual db::RecordsetPtr getRptRSBoss() = 0;
};

} // namespace zrk
