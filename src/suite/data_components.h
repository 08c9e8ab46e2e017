#pragma once

#include "core/roles/data_roles.h"
#include "platform/component_registry.h"
#include "platform/db/connection.h"
#include "platform/object.h"

#include <cstdint>

namespace zrk::suite {

// BaseServices.SystemProfile: reads t_SystemProfile of the account set that the property
// string's connection names, on a connection of its own per call.
class SystemProfile : public Object, public ISystemProfile {
public:
    Variant getProfile(const QString& propsString, const QString& category, const QString& key) override;
};

// SysInfo.System. The receivables and payables record the end of their initialisation in the
// system parameter ARAP/Closed: the opening balances are entered while it is 0 and locked when
// it is set to 1 ("应收应付初始数据已录入并结束初始化"). So the opening data count as entered
// exactly when ARAP/Closed reads as the number 1; a missing row, an empty value or any other
// number means they are not (yet) complete. The console's own out-of-step check reads the same
// entry, so the two checks never contradict each other.
class SysInfoSystem : public Object, public ISysInfo {
public:
    bool arApInitialized(const QString& propsString) override;
};

// DbGateway.AppConnection: connects by itself to the session's account set (the connection of
// the property string published for the process) on first use and keeps that connection.
class AppConnection : public Object, public IAppConnection {
public:
    AppConnection(const ComponentRegistry& registry, std::int32_t processId);

    db::RecordsetPtr execute(const QString& sql) override;
    void execute3(const QString& sql) override;

private:
    db::Connection& connection();

    const ComponentRegistry& registry_;
    std::int32_t processId_;
    db::ConnectionPtr connection_;
};

// ReportQuery.ClsReport: runs a query on the account set that the given property string names.
class ReportQuery : public Object, public IReportQuery {
public:
    db::RecordsetPtr getRsBySQL(const QString& propsString, const QString& sql) override;
};

// Registers the four data components under their ProgIDs.
void registerDataComponents(ComponentRegistry& registry);

} // namespace zrk::suite
