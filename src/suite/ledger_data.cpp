#include "suite/ledger_data.h"

#include "platform/vb_conversions.h"
#include "suite/session_access.h"

namespace zrk::suite {

namespace {

class ProfileView : public ISystemProfileView {
public:
    explicit ProfileView(db::ConnectionPtr connection) : connection_(std::move(connection)) {}

    QString companyName() override {
        return readSystemProfile(*connection_, QStringLiteral("General"), QStringLiteral("CompanyName"))
            .value_or(QString());
    }
    Variant getSystemProfile(const QString& section, const QString& key,
                             const Variant& defaultValue) override {
        const auto value = readSystemProfile(*connection_, section, key);
        return value ? Variant(*value) : defaultValue;
    }

private:
    db::ConnectionPtr connection_;
};

} // namespace

LedgerData::LedgerData(const ComponentRegistry& registry, std::int32_t processId)
    : registry_(registry), processId_(processId) {}

db::Connection& LedgerData::connection() {
    if (!connection_)
        connection_ = openSessionConnection(registry_, processId_);
    return *connection_;
}

std::int32_t LedgerData::profileNumber(const QString& category, const QString& key) {
    return vb::clng(vb::val(readSystemProfile(connection(), category, key).value_or(QString())));
}

void LedgerData::refresh(bool /*all*/) {
    year_ = profileNumber(QStringLiteral("GL"), QStringLiteral("CurrentYear"));
    period_ = profileNumber(QStringLiteral("GL"), QStringLiteral("CurrentPeriod"));
}

std::shared_ptr<ISystemProfileView> LedgerData::systemProfile() {
    connection();
    return std::make_shared<ProfileView>(connection_);
}

std::int32_t LedgerData::glGetCurrentYear() {
    if (!year_)
        refresh(true);
    return *year_;
}

std::int32_t LedgerData::glGetCurrentPeriod() {
    if (!period_)
        refresh(true);
    return *period_;
}

} // namespace zrk::suite
