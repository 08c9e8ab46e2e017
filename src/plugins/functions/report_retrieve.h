#pragma once

#include "core/roles/report_list_roles.h"
#include "plugins/functions/suite_function.h"

namespace zrk::functions {

// The two report lists of the report catalogue, each record a board launch text's six fields
// (FFuncName, FDetailFuncID, FClassName, FSubFuncID, FClassParam, FFuncType) that starts the
// report in this function.
inline const QString kCatalogueReportsSql =
    QStringLiteral("select isnull(FRptName,'') as FFuncName, FRptID as FDetailFuncID,"
                   " 'ReportViewer.SrvRptRetrieve' as FClassName, isnull(FSysName,'') as FSubFuncID,"
                   " 'FRptID=' + cast(FRptID as varchar(10)) as FClassParam, 'True' as FFuncType"
                   " from t_Rpt_Content order by FRptID");
inline const QString kOwnerReportsSql =
    QStringLiteral("select isnull(FRptName,'') as FFuncName, FRptID as FDetailFuncID,"
                   " 'ReportViewer.SrvRptRetrieve' as FClassName, isnull(FSysName,'') as FSubFuncID,"
                   " 'FRptID=' + cast(FRptID as varchar(10)) as FClassParam, 'True' as FFuncType"
                   " from t_Rpt_Content_Boss where FVisibleInList='1' order by FRptID");

// The report viewer: a suite function that shows a report, and the board's source of the
// account set's reports and of the owner's own ones, read from the session's account set.
class ReportRetrieve : public SuiteFunction, public IReportRetrieve {
public:
    using SuiteFunction::SuiteFunction;

    db::RecordsetPtr getRptRS() override;
    db::RecordsetPtr getRptRSBoss() override;

private:
    db::RecordsetPtr query(const QString& sql);
};

} // namespace zrk::functions
