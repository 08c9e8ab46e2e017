#pragma once

#include "platform/db/connection.h"

#include <QString>

namespace zrk::test {

// The suite's report catalogue t_Rpt_Content with the columns the owner-report list copies, empty.
inline void createReportCatalogue(db::Connection& company) {
    company.execute(QStringLiteral(
        "create table t_Rpt_Content (FRptID int not null primary key, FRptName nvarchar(600) not null,"
        " FRptName_Cht nvarchar(600) not null default '', FRptName_EN nvarchar(600) not null default '',"
        " FSysName nvarchar(100) not null, FYear smallint null, FPeriod smallint null,"
        " FOwner smallint not null, FRptType smallint not null, FRptData image null,"
        " FPrinterBuf image null, FLastOperator smallint null, FLastDate smalldatetime null,"
        " F500 smallint not null default 0, F1001 smallint not null default 0,"
        " FVisibleInList char(1) null default '1')"));
}

// A company database of its own in the folder, holding the empty report catalogue: what the
// main board's load needs to synchronise the owner-report list.
inline db::ConnectionPtr companyWithReportCatalogue(const QString& folder) {
    auto company = std::make_shared<db::Connection>();
    company->open(QStringLiteral("Provider=SQLite;Data Source=") + folder + QStringLiteral("/company.db"),
                  db::MissingDatabase::Create);
    createReportCatalogue(*company);
    return company;
}

} // namespace zrk::test
