#include "launch/service_start.h"

#include "core/console_context.h"
#include "core/roles/console_roles.h"
#include "core/roles/function_roles.h"
#include "launch/error_report.h"
#include "launch/main_service.h"
#include "platform/component_registry.h"
#include "platform/vb_conversions.h"
#include "session/diagnostic_log.h"
#include "session/session_properties.h"
#include "session/texts.h"

namespace zrk {

namespace {

QString functionName(const DictionaryPtr& dct) {
    const Variant name = dct ? dct->item(QStringLiteral("FFuncName")) : Variant();
    return name.isObject() || name.isNull() ? QString() : name.toString();
}

bool isSuperFunction(const Variant& funcId) {
    if (funcId.isEmpty() || !vb::isNumeric(funcId))
        return false;
    return funcId.toDouble() == kSuperFunctionId;
}

void startComponent(ConsoleContext& ctx, const std::shared_ptr<IQVMainService>& service,
                    IFrameServices* frame, const QString& progId, DictionaryPtr dct) {
    const ObjectPtr object = createComponent(ctx.components(), progId, true);
    auto function = tryInterface<IBizConsole>(object);
    if (!function)
        throw Error(errnum::InvalidProcedureCall, kMainServiceSource,
                    translate(ctx, QStringLiteral("组件类型错误,请确认是否支持IBizConsole接口.")));
    const QString key =
        isSuperFunction(dct->item(QStringLiteral("FUNCID"))) ? kSuperSubSystem : function->subSystemKey();
    setSessionSubID(ctx, key);
    const auto cache = service->cache();
    const bool initialised = cache->getItem(kSubSystemCategory, key, Variant(false)) == Variant(true);
    if (!initialised)
        function->initSubSystem();
    auto caller = service;
    function->runFunction(dct, caller);
    if (frame)
        frame->setStatusBar();
    if (!initialised)
        cache->add(kSubSystemCategory, key, true, QString());
}

} // namespace

void serviceStartRaising(ConsoleContext& ctx, const std::shared_ptr<IQVMainService>& service,
                         IFrameServices* frame, const QString& progId, const DictionaryPtr& dct) {
    const std::int32_t log =
        logStart(ctx, QStringLiteral("QvMainNew::QVMainService::DoCallFunc::") + functionName(dct));
    startComponent(ctx, service, frame, progId, dct ? dct : std::make_shared<Dictionary>());
    logEnd(ctx, log, 0);
}

void serviceStart(ConsoleContext& ctx, const std::shared_ptr<IQVMainService>& service, IFrameServices* frame,
                  const QString& progId, const DictionaryPtr& dct) {
    try {
        serviceStartRaising(ctx, service, frame, progId, dct);
    } catch (const Error& e) {
        reportSuiteError(ctx, e);
    }
}

} // namespace zrk
