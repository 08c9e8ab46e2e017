#include "analysis/stock_start.h"

#include "core/console_context.h"
#include "core/roles/data_roles.h"
#include "platform/vb_conversions.h"
#include "session/session_properties.h"

namespace zrk::analysis {

namespace {

std::int32_t profileNumber(ISystemProfile& profile, const QString& props, const QString& key) {
    return vb::clng(vb::val(vb::nullToText(profile.getProfile(props, QStringLiteral("IC"), key)).toString()));
}

} // namespace

QDate getStockStartDate(ConsoleContext& ctx, const QDate& today) {
    const QString props = getSessionPropsString(ctx);
    const auto profile = queryInterface<ISystemProfile>(ctx.objectFactory().create(kSystemProfileProgId));
    const std::int32_t startPeriod = profileNumber(*profile, props, QStringLiteral("StartPeriod"));
    const std::int32_t startYear = profileNumber(*profile, props, QStringLiteral("StartYear"));
    const auto connection = queryInterface<IAppConnection>(ctx.objectFactory().create(kAppConnectionProgId));
    const auto rs = connection->execute(
        QStringLiteral("select FStartDate,FEndDate from t_PeriodDate where FYear=") +
        QString::number(startYear) + QStringLiteral("  and FPeriod=") + QString::number(startPeriod));
    if (!rs || rs->eof())
        return today;
    return rs->value(QStringLiteral("FStartDate")).toDate().date();
}

} // namespace zrk::analysis
