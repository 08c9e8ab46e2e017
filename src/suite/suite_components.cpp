#include "suite/suite_components.h"

#include "platform/dictionary.h"
#include "suite/about_box.h"
#include "suite/core_registry.h"
#include "suite/data_components.h"
#include "suite/form_text_loader.h"
#include "suite/lang_info.h"
#include "suite/launch_params.h"
#include "suite/ledger_data.h"
#include "suite/local_cache.h"
#include "suite/log_server.h"
#include "suite/login_components.h"
#include "suite/menu_store.h"
#include "suite/msg_log.h"
#include "suite/prop_store.h"
#include "suite/report_transfer.h"
#include "suite/res_text_loader.h"
#include "suite/server_cache.h"
#include "suite/suite_helper.h"
#include "suite/timer_service.h"
#include "suite/user_profile.h"

#include <unistd.h>

namespace zrk::suite {

void registerSuiteComponents(ComponentRegistry& registry, const SuiteEnvironment& environment) {
    auto propertySets = std::make_shared<PropStore::Sets>();
    registry.add(QStringLiteral("SharedProps.PropStore"),
                 [propertySets] { return std::make_shared<PropStore>(propertySets); });
    auto cacheItems = std::make_shared<ServerCache::Items>();
    registry.add(QStringLiteral("ServerCache.CacheFacade"),
                 [cacheItems] { return std::make_shared<ServerCache>(cacheItems); });
    auto localItems = std::make_shared<LocalCache::Items>();
    registry.add(QStringLiteral("LocalCache.CacheFacade"),
                 [localItems] { return std::make_shared<LocalCache>(localItems); });
    registry.add(QStringLiteral("CoreObjects.Dictionary"), [] { return std::make_shared<Dictionary>(); });
    registry.add(QStringLiteral("CoreObjects.Registry"),
                 [settings = environment.settings] { return std::make_shared<CoreRegistry>(settings); });
    registry.add(QStringLiteral("LangSupport.LangInfo"),
                 [settings = environment.settings, locale = environment.localeName] {
                     return std::make_shared<LangInfo>(settings, locale);
                 });
    registry.add(QStringLiteral("ResText.Loader"), [] { return std::make_shared<ResTextLoader>(); });
    registry.add(QStringLiteral("FormText.FrmResLoader"), [] { return std::make_shared<FormTextLoader>(); });
    registry.add(QStringLiteral("UserSettings.UserProfile"),
                 [settings = environment.settings] { return std::make_shared<UserProfile>(settings); });
    registry.add(QStringLiteral("CloudLogin.Base64"), [] { return std::make_shared<Base64Codec>(); });
    registry.add(QStringLiteral("ExtParams.ParamDecoder"),
                 [settings = environment.settings] { return std::make_shared<ParamDecoder>(settings); });
    auto loginState = std::make_shared<LoginState>();
    registry.add(QStringLiteral("SuiteLogin.Context"),
                 [loginState] { return std::make_shared<LoginContext>(loginState); });
    registry.add(QStringLiteral("AcctLogin.NoUILogin"), [settings = environment.settings,
                                                         locale = environment.localeName, loginState,
                                                         work = environment.passwordIterations] {
        return std::make_shared<NoUILogin>(settings, loginState, SuiteTexts::forUser(settings, locale), work);
    });
    registry.add(QStringLiteral("ServerMgr.clsAct"),
                 [settings = environment.settings, locale = environment.localeName] {
                     return std::make_shared<AccountServer>(settings, SuiteTexts::forUser(settings, locale));
                 });
    registry.add(QStringLiteral("FormKit.FormDef"), [] { return std::make_shared<FormDef>(); });
    if (environment.prompts) {
        registry.add(QStringLiteral("SuiteHelper.Common"), [settings = environment.settings,
                                                            locale = environment.localeName,
                                                            prompts = environment.prompts] {
            return std::make_shared<SuiteHelper>(*prompts, SuiteTexts::forUser(settings, locale));
        });
        registry.add(kMenuStoreProgId, [settings = environment.settings, locale = environment.localeName,
                                        prompts = environment.prompts] {
            return std::make_shared<MenuStore>(*prompts, SuiteTexts::forUser(settings, locale));
        });
        registry.add(kAboutBoxProgId, [settings = environment.settings, locale = environment.localeName,
                                       prompts = environment.prompts] {
            return std::make_shared<AboutBox>(*prompts, SuiteTexts::forUser(settings, locale));
        });
        registry.add(kReportTransferProgId, [settings = environment.settings, locale = environment.localeName,
                                             prompts = environment.prompts] {
            return std::make_shared<ReportTransfer>(*prompts, SuiteTexts::forUser(settings, locale));
        });
        registry.add(QStringLiteral("OwnerLogin.LoginDialog"),
                     [settings = environment.settings, locale = environment.localeName,
                      prompts = environment.prompts, loginState, work = environment.passwordIterations] {
                         return std::make_shared<OwnerLoginDialog>(
                             settings, *prompts, loginState, SuiteTexts::forUser(settings, locale), work);
                     });
    }
    registry.add(QStringLiteral("LedgerView.GLData"), [&registry] {
        return std::make_shared<LedgerData>(registry, static_cast<std::int32_t>(getpid()));
    });
    registry.add(QStringLiteral("MsgLog.Log"),
                 [settings = environment.settings, folder = environment.logFolder] {
                     return std::make_shared<MsgLog>(settings, folder);
                 });
    registry.add(kTimerServiceProgId, [] { return std::make_shared<TimerService>(); });
    registry.add(kLogServerProgId, [] { return std::make_shared<LogServer>(); });
    registerDataComponents(registry);
}

} // namespace zrk::suite
