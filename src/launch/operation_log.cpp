#include "launch/operation_log.h"

#include "core/console_context.h"
#include "core/roles/function_roles.h"
#include "launch/local_machine.h"
#include "launch/log_category.h"
#include "platform/caught_error.h"
#include "session/session_properties.h"

#include <array>
#include <utility>

namespace zrk {

std::optional<QString> operationLogCode(const QString& title) {
    static const std::array<std::pair<const char16_t*, const char16_t*>, 7> codes{{
        {u"科目", u"K810008"},
        {u"币别", u"K810009"},
        {u"凭证字", u"K820007"},
        {u"计量单位", u"K810007"},
        {u"结算方式", u"K820008"},
        {u"全部核算项目", u"K820009"},
        {u"辅助资料", u"K810011"},
    }};
    for (const auto& [name, code] : codes)
        if (title.compare(QString::fromUtf16(name), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(code);
    return std::nullopt;
}

void writeOperationLog(ConsoleContext& ctx, const QString& functionCode, std::int16_t number,
                       const QString& translatedTitle) {
    try {
        const auto log = queryInterface<ILogServer>(ctx.objectFactory().create(kLogServerProgId));
        log->writeLog(getSessionPropsString(ctx), functionCode, number, translatedTitle,
                      getLocalMachineName(), getLocalIPAddress());
    } catch (const Error& e) {
        logCaughtError(lcLaunch(), "writeOperationLog: the operation log was not written", e);
    }
}

} // namespace zrk
