#pragma once

// The roles of the suite's data components that the console's queries and checks go through.
// The console reaches them only by ProgID (the component registry or the object factory).

#include "platform/db/recordset.h"
#include "platform/variant.h"

#include <QString>

namespace zrk {

inline const QString kSystemProfileProgId = QStringLiteral("BaseServices.SystemProfile");
inline const QString kSysInfoProgId = QStringLiteral("SysInfo.System");
inline const QString kAppConnectionProgId = QStringLiteral("DbGateway.AppConnection");
inline const QString kReportQueryProgId = QStringLiteral("ReportQuery.ClsReport");

// BaseServices.SystemProfile: the account set's system parameters (t_SystemProfile).
class ISystemProfile {
public:
    virtual ~ISystemProfile() = default;
    // The value of one parameter of the account set named by the property string's connection,
    // trimmed; Null when there is no such parameter or its value is Null.
    virtual Variant getProfile(const QString& propsString, const QString& category, const QString& key) = 0;
};

// SysInfo.System: facts about the account set's systems.
class ISysInfo {
public:
    virtual ~ISysInfo() = default;
    // True when the opening data of receivables and payables have been entered and their
    // initialisation ended.
    virtual bool arApInitialized(const QString& propsString) = 0;
};

// DbGateway.AppConnection: a connection of its own to the session's account set.
class IAppConnection {
public:
    virtual ~IAppConnection() = default;
    // Runs a query; the rows of its first result, or none for a statement without rows.
    virtual db::RecordsetPtr execute(const QString& sql) = 0;
    // Runs a statement that returns no rows.
    virtual void execute3(const QString& sql) = 0;
};

// ReportQuery.ClsReport: queries for reports, on the account set of a property string.
class IReportQuery {
public:
    virtual ~IReportQuery() = default;
    virtual db::RecordsetPtr getRsBySQL(const QString& propsString, const QString& sql) = 0;
};

} // namespace zrk
