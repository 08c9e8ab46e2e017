#include "session/installation.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "platform/caught_error.h"
#include "platform/private_profile.h"
#include "platform/vb_conversions.h"
#include "session/log_category.h"

#include <QDir>

namespace zrk {

namespace {

QString schemeFile(ConsoleContext& ctx) {
    return getCommonDir(ctx) + kSchemeFileName;
}

QString separator() {
    return QString(QDir::separator());
}

// Reads the branding values in order; an unreadable value ends the read, keeping what was read.
void loadScheme(ConsoleContext& ctx) {
    SchemeState& scheme = ctx.scheme();
    const QString file = schemeFile(ctx);
    try {
        scheme.appType = vb::clng(vb::val(readSchemeValue(file, QStringLiteral("Version"),
                                                          QStringLiteral("AppType"), QStringLiteral("0"))));
        scheme.appName = getEditionName(scheme.appType);
        scheme.oem = vb::textToBool(
            readSchemeValue(file, QStringLiteral("Version"), QStringLiteral("OEM"), QStringLiteral("0")));
        if (scheme.oem) {
            QString name =
                readSchemeValue(file, QStringLiteral("Version"), QStringLiteral("AppName"), QString());
            name.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
            scheme.appName = name;
            scheme.iconPath =
                getCommonDir(ctx) + QStringLiteral("bmp") + separator() + QStringLiteral("ZRK.ico");
        }
    } catch (const Error& e) {
        logCaughtError(lcSession(), "loadScheme: the scheme file is unreadable, defaults kept", e);
    }
    if (scheme.appName.isEmpty() && !scheme.oem)
        scheme.appName = getEditionName(scheme.appType);
    scheme.loaded = true;
}

void loadIndustry(ConsoleContext& ctx) {
    SchemeState& scheme = ctx.scheme();
    const QString file = schemeFile(ctx);
    const QString section = QStringLiteral("industry");
    try {
        scheme.industryId = vb::cint(
            vb::val(readSchemeValue(file, section, QStringLiteral("industryID"), QStringLiteral("0"))));
        scheme.industryName =
            readSchemeValue(file, section, QStringLiteral("industryName"), QString()).trimmed();
        scheme.demo =
            vb::cint(vb::val(readSchemeValue(file, section, QStringLiteral("Demo"), QStringLiteral("0"))));
    } catch (const Error& e) {
        logCaughtError(lcSession(), "loadIndustry: the industry is unreadable, defaults kept", e);
    }
    scheme.industryLoaded = true;
}

} // namespace

QString getInstallDir(ConsoleContext& ctx) {
    try {
        const auto registry =
            queryInterface<IRegistry>(createComponent(ctx.components(), kRegistryProgId, true));
        const Variant path = registry->getKeyValue(kInstallKey, QStringLiteral("Path"), QStringLiteral("1"));
        return path.isNull() ? QString() : path.toString();
    } catch (const Error& e) {
        logCaughtError(lcSession(), "getInstallDir: the installation folder is unknown", e);
        return {};
    }
}

QString getCommonDir(ConsoleContext& ctx) {
    QString dir = getInstallDir(ctx);
    // A recorded folder that already ends in a separator must not gain a second one.
    while (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
        dir.chop(1);
    if (dir == QLatin1String("/") || dir == QLatin1String("\\"))
        dir.clear();
    return dir + separator() + QStringLiteral("Common") + separator();
}

QString readSchemeValue(const QString& filePath, const QString& section, const QString& key,
                        const QString& defaultValue) {
    return readProfileString(filePath, section, key, defaultValue);
}

std::int32_t getAppType(ConsoleContext& ctx) {
    if (!ctx.scheme().loaded)
        loadScheme(ctx);
    return ctx.scheme().appType;
}

SchemeInfo getSchemeInfo(ConsoleContext& ctx) {
    getAppType(ctx);
    return {ctx.scheme().appType, ctx.scheme().appName, ctx.scheme().oem, ctx.scheme().iconPath};
}

Industry getIndustry(ConsoleContext& ctx) {
    if (!ctx.scheme().industryLoaded)
        loadIndustry(ctx);
    return {ctx.scheme().industryId, ctx.scheme().industryName, ctx.scheme().demo};
}

std::int32_t getHangYeType(ConsoleContext& ctx) {
    if (!ctx.scheme().hangYeType) {
        std::int32_t type = 0;
        try {
            type = vb::clng(vb::val(readSchemeValue(schemeFile(ctx), QStringLiteral("Version"),
                                                    QStringLiteral("HangYeType"), QStringLiteral("0"))));
        } catch (const Error& e) {
            logCaughtError(lcSession(), "getHangYeType: the industry type is unreadable, 0 assumed", e);
        }
        ctx.scheme().hangYeType = type;
    }
    return *ctx.scheme().hangYeType;
}

QString getProductTitle(ConsoleContext& ctx) {
    const Industry industry = getIndustry(ctx);
    if (industry.id == 0)
        return kDefaultProductTitle;
    QString name = industry.name;
    if (name.endsWith(QChar(0)))
        name.chop(1);
    return name;
}

QString getEditionName(std::int32_t appType) {
    switch (appType) {
    case 0:
        return QStringLiteral("QuorvelZRK标准版");
    case 1:
        return QStringLiteral("QuorvelZRK专业版");
    case 2:
        return QStringLiteral("QuorvelZRK企业版");
    case 11:
        return QStringLiteral("QuorvelZRK商贸版");
    case 12:
        return QStringLiteral("QuorvelZRK工贸版");
    default:
        return kUnknownEdition;
    }
}

QString addBackslash(const QString& path) {
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (trimmed.endsWith(QLatin1Char('\\')) || trimmed.endsWith(QLatin1Char('/')))
        return trimmed;
    const bool windowsPath = trimmed.contains(QLatin1Char('\\')) && !trimmed.contains(QLatin1Char('/'));
    return trimmed + (windowsPath ? QStringLiteral("\\") : separator());
}

} // namespace zrk
