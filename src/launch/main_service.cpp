#include "launch/main_service.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "launch/cache_wrapper.h"
#include "launch/service_start.h"
#include "platform/component_registry.h"
#include "platform/vb_conversions.h"
#include "session/session_properties.h"
#include "session/texts.h"

namespace zrk {

IFrameServices& QVMainService::frame() {
    IFrameServices* frame = roles_.frames.frameServices(true);
    if (!frame)
        throw Error(errnum::ObjectVariableNotSet, kMainServiceSource,
                    QStringLiteral("The main window is gone"));
    return *frame;
}

ObjectPtr QVMainService::showForm(const QString& systemName, const QString& ctrlProgId, const QString& formId,
                                  bool global, const QString& title, bool refresh, const ObjectPtr& evnt) {
    const QString key = formId.isEmpty() ? ctrlProgId : formId;
    if (global) {
        for (IHostWindow* host : ctx_.launch().hostWindows)
            if (host->formKey() == key)
                return existsSubControl(key, true);
    }
    IHostWindow* host = roles_.hosts.createHostWindow(frame());
    if (!host)
        throw Error(errnum::ObjectVariableNotSet, kMainServiceSource, QStringLiteral("No host window"));
    host->setFormKey(key);
    host->setSystemName(systemName);
    if (!host->loadSubApp(ctrlProgId, title, refresh, evnt))
        return {};
    return host->control();
}

void QVMainService::doCallFunc(const QString& progId, const DictionaryPtr& dct) {
    serviceStart(ctx_, shared_from_this(), roles_.frames.frameServices(false), progId, dct);
}

void QVMainService::startFunction(const QString& progId, const DictionaryPtr& dct) {
    serviceStartRaising(ctx_, shared_from_this(), roles_.frames.frameServices(false), progId, dct);
}

ObjectPtr QVMainService::existsSubControl(const QString& formName, bool activateForm) {
    // A copy: activating a window may let others open or close.
    const std::vector<IHostWindow*> hosts = ctx_.launch().hostWindows;
    for (IHostWindow* host : hosts) {
        if (host->formKey() != formName)
            continue;
        if (activateForm)
            host->activate();
        return host->control();
    }
    return {};
}

void QVMainService::refresh(bool reLogin) {
    if (IFrameServices* frame = roles_.frames.frameServices(false))
        frame->refreshSystem(reLogin);
}

std::shared_ptr<ICacheFacade> QVMainService::cache() {
    return std::make_shared<CacheWrapper>(ctx_, 0);
}

ObjectPtr QVMainService::timerService() {
    LaunchState& launch = ctx_.launch();
    if (!launch.timerService) {
        const ObjectPtr timer = createComponent(ctx_.components(), kTimerServiceProgId, true);
        launch.timerId = queryInterface<ITimerService>(timer)->startTimer(1);
        launch.timerService = timer;
    }
    return launch.timerService;
}

ObjectPtr QVMainService::activeBar() {
    return frame().activeBarObject();
}

ObjectPtr QVMainService::statusBar() {
    return frame().statusBarObject();
}

bool QVMainService::otherAccountSet(const DictionaryPtr& loginInfo) const {
    if (!loginInfo || !loginInfo->contains(QStringLiteral("AcctID")))
        return false;
    const Variant acctId = loginInfo->item(QStringLiteral("AcctID"));
    if (acctId.isObject() || acctId.isNull() || !vb::isNumeric(acctId))
        return true;
    return acctId.toDouble() != static_cast<double>(ctx_.session().currentAcctID);
}

void QVMainService::enterQVApp(const DictionaryPtr& loginInfo) {
    if (ctx_.session().loggedIn) {
        if (otherAccountSet(loginInfo))
            throw Error(errnum::OtherAccountSet, kMainServiceSource,
                        translate(ctx_, QStringLiteral("无法进入账套不同的系统中!")));
        roles_.frames.bringFrameForward();
        return;
    }
    if (!roles_.frames.startWithLogin(loginInfo))
        throw Error(errnum::InvalidProcedureCall, kMainServiceSource,
                    translate(ctx_, QStringLiteral("主控台没有启动。")));
}

std::shared_ptr<QVMainService> getMainService(ConsoleContext& ctx, const ServiceRoles& roles) {
    if (auto existing = std::dynamic_pointer_cast<QVMainService>(ctx.launch().mainService))
        return existing;
    auto service = std::make_shared<QVMainService>(ctx, roles);
    const auto store = queryInterface<IPropStore>(createComponent(ctx.components(), kPropStoreProgId, true));
    store->addProperty(ctx.session().processId, kMainServicePropertyName, ObjectPtr(service));
    ctx.launch().mainService = service;
    return service;
}

void stopTimerService(ConsoleContext& ctx) {
    LaunchState& launch = ctx.launch();
    if (!launch.timerService)
        return;
    const ObjectPtr timer = std::exchange(launch.timerService, nullptr);
    queryInterface<ITimerService>(timer)->stopTimer(launch.timerId);
    launch.timerId = 0;
}

} // namespace zrk
