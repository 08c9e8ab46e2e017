#include "db/environment_checks.h"

#include "core/console_context.h"
#include "core/roles/data_roles.h"
#include "db/log_category.h"
#include "platform/caught_error.h"
#include "platform/vb_conversions.h"
#include "session/message_boxes.h"
#include "session/session_properties.h"

namespace zrk {

namespace {

// Each value read as text, Null as "".
bool anyEmpty(ISystemProfile& profile, const QString& propsString, const QString& category,
              std::initializer_list<const char*> keys) {
    bool empty = false;
    for (const char* key : keys)
        if (vb::nullToText(profile.getProfile(propsString, category, QString::fromLatin1(key)))
                .toString()
                .isEmpty())
            empty = true;
    return empty;
}

// The first row's FValue as a 32-bit number, Null (or no row) as 0.
std::int32_t profileNumber(db::Connection& company, const QString& sql) {
    const auto rs = company.execute(sql);
    if (!rs || rs->eof())
        return 0;
    const Variant value = rs->value(QStringLiteral("FValue"));
    return value.isNull() ? 0 : vb::clng(value);
}

} // namespace

bool checkAccountingSetup(ConsoleContext& ctx, const QString& propsString) {
    try {
        const auto profile = queryInterface<ISystemProfile>(ctx.objectFactory().create(kSystemProfileProgId));
        if (anyEmpty(*profile, propsString, QStringLiteral("GL"),
                     {"PeriodCount", "PeriodDates", "StartPeriod", "StartYear"})) {
            showMessage(ctx, QStringLiteral("请先到系统参数中设置会计期间、启用期间和记账本位币！"), false);
            return false;
        }
        if (anyEmpty(*profile, propsString, QStringLiteral("IC"), {"StartPeriod", "StartYear"})) {
            showMessage(ctx, QStringLiteral("请先到系统业务参数中设置会计期间、启用期间！"), false);
            return false;
        }
        return true;
    } catch (const Error& e) {
        showMessage(ctx, e.description(), false);
        return false;
    }
}

bool isArApOutOfStep(ConsoleContext& ctx) {
    try {
        if (!ctx.session().companyConnection)
            throw Error(errnum::ObjectVariableNotSet, QStringLiteral("IsArApOutOfStep"),
                        QStringLiteral("Object variable or With block variable not set"));
        db::Connection& company = *ctx.session().companyConnection;
        const std::int32_t startYear = profileNumber(
            company,
            QStringLiteral("Select FValue from t_SystemProfile WHERE FCateGory='IC' AND FKey='StartYear'"));
        const std::int32_t startPeriod = profileNumber(
            company,
            QStringLiteral("Select FValue from t_SystemProfile WHERE FCateGory='IC' AND FKey='StartPeriod'"));
        const std::int32_t currentYear = profileNumber(
            company,
            QStringLiteral("Select FValue from t_SystemProfile WHERE FCateGory='IC' AND FKey='CurrentYear'"));
        const std::int32_t currentPeriod = profileNumber(
            company, QStringLiteral(
                         "Select FValue from t_SystemProfile WHERE FCateGory='IC' AND FKey='CurrentPeriod'"));
        const std::int32_t closed = profileNumber(
            company,
            QStringLiteral("Select FValue from t_SystemProfile WHERE FCateGory='ARAP' AND FKey='Closed'"));
        if (currentYear == startYear && currentPeriod == startPeriod)
            return false;
        return closed != 1;
    } catch (const Error& e) {
        logCaughtError(lcConsoleDb(), "isArApOutOfStep: the start period is unreadable", e);
        showMessage(ctx, QStringLiteral("系统在获取系统启用期间时发生错误！"), false);
        return false;
    }
}

bool isArApInitialized(ConsoleContext& ctx) {
    try {
        const auto info = queryInterface<ISysInfo>(ctx.objectFactory().create(kSysInfoProgId));
        return info->arApInitialized(getSessionPropsString(ctx));
    } catch (const Error& e) {
        logCaughtError(lcConsoleDb(), "isArApInitialized: not known, taken as no", e);
        return false;
    }
}

} // namespace zrk
