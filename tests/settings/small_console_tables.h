#pragma once

// A company database of its own with the console tables and a handful of rows: four board report
// elements (two shown), a common-data element and one of another edition that the report
// settings never touch, a backup with two shown report elements, and two owner reports (one
// listed).

#include "db/console_schema.h"
#include "platform/db/connection.h"
#include "support/query_text.h"
#include "support/report_catalogue.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace zrk::test {

inline void fillSmallConsoleTables(db::Connection& company);

// The database is made once per test program (creating the tables takes a while) and copied.
inline db::ConnectionPtr smallConsoleTables(const QString& folder) {
    struct Built {
        QTemporaryDir dir;
        Built() { fillSmallConsoleTables(*companyWithReportCatalogue(dir.path())); }
    };
    static const Built built;
    const QString file = folder + QStringLiteral("/company.db");
    QFile::copy(built.dir.filePath(QStringLiteral("company.db")), file);
    auto company = std::make_shared<db::Connection>();
    company->open(QStringLiteral("Provider=SQLite;Data Source=") + file);
    return company;
}

inline void fillSmallConsoleTables(db::Connection& company) {
    company.execute(consoleTablesBatch());
    company.execute(QStringLiteral(
        "insert into t_Rpt_Content (FRptID,FRptName,FSysName,FOwner,FRptType,FVisibleInList) values "
        "(131,N'应收款明细表','ar',0,1,'1'), (132,N'O''Brien的报表','ap',0,1,'1'), "
        "(133,N'凭证','gl',0,2,'1')"));
    company.execute(ownerReportSyncBatch());
    company.execute(QStringLiteral("update t_Rpt_Content_Boss set FVisibleInList='1' where FRptID=131"));
    const QString elements =
        QStringLiteral(" (FAppType,FZRKSubID,FZRKIndex,FZRKCaption,FDetailFuncType,FisShow,Forder) values "
                       "(0,5,1,N'应收款汇总',3,1,2), (0,5,2,N'库存余额',3,1,1), (0,5,3,N'销售毛利',3,0,3), "
                       "(0,5,4,N'采购汇总',3,0,4), (0,1,1,N'客户',1,1,1), (1,5,1,N'其他版本',3,1,1)");
    company.execute(QStringLiteral("insert into t_Boss_ElementPosition") + elements);
    company.execute(QStringLiteral("insert into t_Boss_ElementPosition_Bak") + elements);
    company.execute(QStringLiteral("update t_Boss_ElementPosition_Bak set FisShow=0 where FZRKSubID=5"));
    company.execute(QStringLiteral("update t_Boss_ElementPosition_Bak set FisShow=1, Forder=1 "
                                   "where FAppType=0 and FZRKIndex=3"));
    company.execute(QStringLiteral("update t_Boss_ElementPosition_Bak set FisShow=1, Forder=2 "
                                   "where FAppType=0 and FZRKIndex=1"));
}

// What the board lists: its shown report elements in their order, then the listed owner reports.
inline QStringList boardReportList(db::Connection& company) {
    return columnTexts(company, QStringLiteral("Select FZRKCaption from t_Boss_ElementPosition "
                                               "where FAppType=0 and FDetailFuncType=3 and FisShow='1' "
                                               "order by Forder")) +
           columnTexts(company, QStringLiteral("select FRptName from t_Rpt_Content_Boss "
                                               "where FVisibleInList='1' order by FRptID"));
}

// The rows the report settings must leave alone, with their state.
inline QStringList untouchedElements(db::Connection& company) {
    return columnTexts(company,
                       QStringLiteral("select FZRKCaption + ':' + cast(FisShow as varchar(3)) + ':' + "
                                      "cast(Forder as varchar(5)) from t_Boss_ElementPosition "
                                      "where FAppType<>0 or FDetailFuncType<>3 order by FAppType"));
}

} // namespace zrk::test
