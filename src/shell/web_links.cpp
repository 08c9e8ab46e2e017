#include "shell/web_links.h"

#include "core/console_context.h"
#include "core/roles/data_roles.h"
#include "platform/caught_error.h"
#include "platform/error.h"
#include "session/installation.h"
#include "session/session_properties.h"
#include "shell/log_category.h"

#include <QUrl>

namespace zrk {

QString webLinkSetting(ConsoleContext& ctx, const QString& key) {
    return readSchemeValue(getCommonDir(ctx) + kSchemeFileName, kWebLinksSection, key, QString()).trimmed();
}

QString webLoginAddress(const QString& site, const QString& productNumber, const QString& companyName) {
    if (site.isEmpty())
        return QString();
    const auto encoded = [](const QString& value) {
        return QString::fromUtf8(QUrl::toPercentEncoding(value));
    };
    return site + QStringLiteral("/zrkpro/login.do?userName=") + encoded(productNumber) +
           QStringLiteral("&realName=") + encoded(companyName);
}

QString profileCompanyName(ConsoleContext& ctx) {
    try {
        const auto profile = queryInterface<ISystemProfile>(ctx.objectFactory().create(kSystemProfileProgId));
        return profile
            ->getProfile(getSessionPropsString(ctx), QStringLiteral("General"), QStringLiteral("CompanyName"))
            .toString();
    } catch (const Error& e) {
        logCaughtError(lcShell(), "webLoginAddress: the company name was not read", e);
        return QString();
    }
}

QString webLinkAddress(ConsoleContext& ctx, WebLink link) {
    switch (link) {
    case WebLink::Forum:
        return webLinkSetting(ctx, QStringLiteral("Forum"));
    case WebLink::OnlineService:
        return webLinkSetting(ctx, QStringLiteral("OnlineService"));
    case WebLink::HomePage:
        return webLinkSetting(ctx, QStringLiteral("HomePage"));
    case WebLink::WebLogin:
        return webLoginAddress(webLinkSetting(ctx, QStringLiteral("LoginSite")),
                               webLinkSetting(ctx, QStringLiteral("ProductNumber")), profileCompanyName(ctx));
    }
    return QString();
}

bool WebLoginMain::loginZrkInternet(std::int16_t index) {
    if (index != 0 && index != 1)
        return false;
    const QString address = webLinkAddress(ctx_, index == 1 ? WebLink::WebLogin : WebLink::HomePage);
    if (!address.isEmpty() && open_ && !open_(address))
        logCaughtFailure(lcShell(), "loginZrkInternet", "the desktop opened no browser");
    return false;
}

} // namespace zrk
