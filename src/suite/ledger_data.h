#pragma once

#include "core/roles/ledger_roles.h"
#include "platform/component_registry.h"
#include "platform/db/connection.h"
#include "platform/object.h"

namespace zrk::suite {

// LedgerView.GLData: the general ledger's current year and period and the account set's
// system parameters, read from the session's account set.
class LedgerData : public Object, public ILedgerData {
public:
    LedgerData(const ComponentRegistry& registry, std::int32_t processId);

    void refresh(bool all) override;
    std::shared_ptr<ISystemProfileView> systemProfile() override;
    std::int32_t glGetCurrentYear() override;
    std::int32_t glGetCurrentPeriod() override;

private:
    db::Connection& connection();
    std::int32_t profileNumber(const QString& category, const QString& key);

    const ComponentRegistry& registry_;
    std::int32_t processId_;
    db::ConnectionPtr connection_;
    std::optional<std::int32_t> year_;
    std::optional<std::int32_t> period_;
};

} // namespace zrk::suite
