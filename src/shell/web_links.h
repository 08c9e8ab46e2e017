#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace zrk {

class ConsoleContext;

// The maker's web addresses, from the installation's scheme file (ZRKBaseScheme.ini in the
// Common folder), section "WebLinks":
//   Forum          the product forum (ZrkLink)
//   OnlineService  the on-line service site (Zrk_OnLine)
//   HomePage       the product's home page (web login index 0)
//   LoginSite      the site of the web login (index 1), before "/zrkpro/login.do"
//   ProductNumber  the installation's product number, sent as userName
// A key that is missing or blank leaves its link without an address.
inline const QString kWebLinksSection = QStringLiteral("WebLinks");

enum class WebLink { Forum, OnlineService, HomePage, WebLogin };

QString webLinkSetting(ConsoleContext& ctx, const QString& key);

// The web login's address: the site, "/zrkpro/login.do?userName=", the product number,
// "&realName=" and the company name (each value encoded for an address); "" without a site.
QString webLoginAddress(const QString& site, const QString& productNumber, const QString& companyName);

// The company name of the account set (BaseServices.SystemProfile, General/CompanyName); ""
// when it cannot be read.
QString profileCompanyName(ConsoleContext& ctx);

// The address of a link; "" when the installation names none.
QString webLinkAddress(ConsoleContext& ctx, WebLink link);

// clsMain: the console's public class for the suite's web login. LoginZrkInternet opens the
// product's home page (index 0) or the web login (index 1) with the opener given, and always
// answers false; another index, or a link without an address, opens nothing.
class WebLoginMain {
public:
    WebLoginMain(ConsoleContext& ctx, std::function<bool(const QString& address)> open)
        : ctx_(ctx), open_(std::move(open)) {}
    bool loginZrkInternet(std::int16_t index);

private:
    ConsoleContext& ctx_;
    std::function<bool(const QString&)> open_;
};

} // namespace zrk
