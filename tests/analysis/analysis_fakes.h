#pragma once

// Recording stand-ins for the components the analysis panel calls: they keep what they are
// handed and answer what the test scripted.

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "core/roles/data_roles.h"
#include "core/roles/report_roles.h"
#include "session/session_properties.h"

#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace zrk::test {

// A recordset of the given columns and rows (values by column; a column's kind from its first
// non-Null value).
db::RecordsetPtr makeRecordset(const QStringList& columns, const std::vector<std::vector<Variant>>& rows);

struct ReportCall {
    QString progId; // the ProgID the component was created by
    QString member; // "GetReportData", "GetRpt131Data" or "GetRpt132Data"
    std::int16_t rptId = 0, extFirter = 0;
    DictionaryPtr params;
    Variant mode;  // ArApReports' third argument
    QString props; // ArApReports' property string
};

// What the fakes record and answer. Answers are by member name ("GetRpt131Data") or ProgID;
// a missing answer is no recordset.
struct AnalysisWorld {
    std::vector<ReportCall> calls;
    std::map<QString, std::function<db::RecordsetPtr()>> answers;
    std::map<QString, Error> failures;
    std::map<QString, Variant> props;
    std::map<QString, Variant> profile; // "IC/StartPeriod" -> value
    QStringList appQueries;             // what DbGateway.AppConnection ran
    db::RecordsetPtr periodRows;        // its answer
    db::RecordsetPtr currencyRows;      // ReportQuery.ClsReport's answer
    QStringList reportQueries;          // and what it was asked
    std::optional<Error> currencyFailure;
    bool arApInitialized = true;

    int callsTo(const QString& member) const;
    const ReportCall& lastCall(const QString& member) const;
};

// Registers the fakes on a console: the report components, the property store (with a
// property string), the system profile, SysInfo, the application connection and ReportQuery.
void registerAnalysisFakes(ConsoleContext& ctx, AnalysisWorld& world);

} // namespace zrk::test
