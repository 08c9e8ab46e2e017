#include "session/session_properties.h"

#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "platform/caught_error.h"
#include "platform/vb_conversions.h"
#include "session/log_category.h"
#include "session/property_string.h"

namespace zrk {

namespace {

// Each routine creates the store anew; the last one created is the process's shared object.
std::shared_ptr<IPropStore> newPropStore(ConsoleContext& ctx) {
    ObjectPtr store = createComponent(ctx.components(), kPropStoreProgId, true);
    ctx.session().sharedProps = store;
    return queryInterface<IPropStore>(store);
}

const char* const kSnapshotNames[] = {"UserName",  "PropsString", "LogStatus", "AcctName", "AcctType",
                                      "Setuptype", "AcctID",      "UUID",      "IP",       "MachineName"};

void replaceProperty(IPropStore& store, std::int32_t pid, const QString& name, const Variant& value) {
    Variant reserved;
    store.delProperty(pid, name, reserved);
    store.addProperty(pid, name, value);
}

QString propertyText(ConsoleContext& ctx, const QString& name) {
    const Variant value = getSessionProperty(ctx, name);
    return value.isNull() ? QString() : value.toString();
}

} // namespace

Variant getSessionProperty(ConsoleContext& ctx, const QString& name) {
    return newPropStore(ctx)->getProperty(ctx.session().processId, name);
}

QString getSessionAcctID(ConsoleContext& ctx) {
    return propertyText(ctx, QStringLiteral("AcctID"));
}
QString getSessionUserName(ConsoleContext& ctx) {
    return propertyText(ctx, QStringLiteral("UserName"));
}
QString getSessionPropsString(ConsoleContext& ctx) {
    return propertyText(ctx, QStringLiteral("PropsString"));
}
QString getSessionAcctName(ConsoleContext& ctx) {
    return propertyText(ctx, QStringLiteral("AcctName"));
}

bool isLogStatusTwo(ConsoleContext& ctx) {
    const Variant status = getSessionProperty(ctx, QStringLiteral("LogStatus"));
    return vb::isNumeric(status) && !status.isEmpty() && status.toDouble() == 2.0;
}

void publishFromLoginObject(ConsoleContext& ctx, ILoginSession& login) {
    const auto store = newPropStore(ctx);
    const std::int32_t pid = ctx.session().processId;
    store->addProperty(pid, QStringLiteral("UserName"), login.userName());
    store->addProperty(pid, QStringLiteral("PropsString"), login.propsString());
    store->addProperty(pid, QStringLiteral("LogStatus"), login.logStatus());
    store->addProperty(pid, QStringLiteral("AcctName"), login.acctName());
    store->addProperty(pid, QStringLiteral("AcctType"), login.acctType());
    store->addProperty(pid, QStringLiteral("Setuptype"), login.setupType());
    store->addProperty(pid, QStringLiteral("AcctID"), login.acctID());
    store->addProperty(pid, QStringLiteral("UsedInBossRpt"), std::int16_t{1});
    // Older login objects lack these three.
    const std::pair<const char*, Variant (ILoginSession::*)()> optional[] = {
        {"UUID", &ILoginSession::uuid},
        {"IP", &ILoginSession::ip},
        {"MachineName", &ILoginSession::machineName}};
    for (const auto& [name, member] : optional) {
        try {
            store->addProperty(pid, QString::fromLatin1(name), (login.*member)());
        } catch (const Error& e) {
            logCaughtError(lcSession(), "publishFromLoginObject: a property the login object lacks", e);
        }
    }
    ctx.session().currentAcctID = vb::clng(login.acctID());
}

void publishFromDictionary(ConsoleContext& ctx, const Dictionary& login) {
    try {
        const auto store = newPropStore(ctx);
        const std::int32_t pid = ctx.session().processId;
        const QString none;
        const std::pair<const char*, Variant> entries[] = {
            {"UserName", login.value(QStringLiteral("UserName"), none)},
            {"PropsString", login.value(QStringLiteral("PropsString"), none)},
            {"LogStatus", login.value(QStringLiteral("LogStatus"), 0)},
            {"AcctName", login.value(QStringLiteral("AcctName"), none)},
            {"AcctType", login.value(QStringLiteral("AcctType"), none)},
            {"Setuptype", login.value(QStringLiteral("SetupType"), none)},
            {"AcctID", login.value(QStringLiteral("AcctID"), QStringLiteral("-1"))},
            {"SubID", login.value(QStringLiteral("SubID"), none)},
            {"AcctClosed", login.value(QStringLiteral("AcctClosed"), 0)},
            {"UUID", login.value(QStringLiteral("UUID"), none)},
        };
        for (const auto& [name, value] : entries) {
            try {
                store->addProperty(pid, QString::fromLatin1(name), value);
            } catch (const Error& e) {
                logCaughtError(lcSession(), "publishFromDictionary: a property not published", e);
            }
        }
    } catch (const Error& e) {
        logCaughtError(lcSession(), "publishFromDictionary: no property store", e);
        // Publishing from a dictionary ignores every failure, the store's creation included.
    }
}

DictionaryPtr buildLoginDictionary(ConsoleContext& ctx, const QString& propsString, const Variant& acctID,
                                   const Variant& loginResult, const QString& acctName,
                                   const Variant& acctClosed) {
    const QString semicolon = QStringLiteral(";");
    auto login = std::make_shared<Dictionary>();
    login->set(QStringLiteral("PropsString"), propsString);
    login->set(QStringLiteral("UserName"), getItemValue(propsString, QStringLiteral("UserName"), semicolon));
    login->set(QStringLiteral("LogStatus"), loginResult);
    login->set(QStringLiteral("AcctType"), getItemValue(propsString, QStringLiteral("AcctType"), semicolon));
    login->set(QStringLiteral("SetupType"),
               getItemValue(propsString, QStringLiteral("SetupType"), semicolon));
    login->set(QStringLiteral("AcctID"), acctID);
    login->set(QStringLiteral("AcctName"), acctName);
    login->set(QStringLiteral("SubID"), getItemValue(propsString, QStringLiteral("SubID"), semicolon));
    login->set(QStringLiteral("AcctClosed"), acctClosed);
    login->set(QStringLiteral("UUID"), getItemValue(propsString, QStringLiteral("UUID"), semicolon));
    publishFromDictionary(ctx, *login);
    return login;
}

DictionaryPtr snapshotSession(ConsoleContext& ctx) {
    auto snapshot = std::make_shared<Dictionary>();
    try {
        const auto store = newPropStore(ctx);
        for (const char* name : kSnapshotNames) {
            try {
                snapshot->set(QString::fromLatin1(name),
                              store->getProperty(ctx.session().processId, QString::fromLatin1(name)));
            } catch (const Error& e) {
                logCaughtError(lcSession(), "snapshotSession: a property not read", e);
            }
        }
    } catch (const Error& e) {
        logCaughtError(lcSession(), "snapshotSession: no property store", e);
    }
    return snapshot->count() >= 8 ? snapshot : nullptr;
}

void restoreSession(ConsoleContext& ctx, const DictionaryPtr& snapshot) {
    if (!snapshot)
        return;
    const auto store = newPropStore(ctx);
    for (const char* name : kSnapshotNames) {
        const QString key = QString::fromLatin1(name);
        store->addProperty(ctx.session().processId, key, snapshot->item(key));
    }
    ctx.session().currentAcctID = vb::clng(snapshot->item(QStringLiteral("AcctID")));
}

QString withSubID(const QString& propsString, const QString& subID) {
    const QString marker = QStringLiteral("SubID=");
    const qsizetype at = propsString.indexOf(marker);
    if (at < 0) {
        QString result = propsString;
        if (!result.isEmpty() && !result.endsWith(QLatin1Char(';')))
            result += QLatin1Char(';');
        return result + marker + subID + QLatin1Char(';');
    }
    const qsizetype valueStart = at + marker.size();
    const qsizetype end = propsString.indexOf(QLatin1Char(';'), valueStart);
    // A SubID item at the very end without its ";" runs to the end of the text.
    const QString rest = end < 0 ? QString() : propsString.mid(end);
    return propsString.left(valueStart) + subID + rest;
}

void setSessionSubID(ConsoleContext& ctx, const QString& subID) {
    const QString props = withSubID(getSessionPropsString(ctx), subID);
    const auto store = newPropStore(ctx);
    replaceProperty(*store, ctx.session().processId, QStringLiteral("PropsString"), props);
    replaceProperty(*store, ctx.session().processId, QStringLiteral("SubID"), subID);
}

QString getSessionSubID(ConsoleContext& ctx) {
    const QString props = getSessionPropsString(ctx);
    const QString marker = QStringLiteral("SubID=");
    const qsizetype at = props.indexOf(marker);
    if (at < 0)
        return {};
    const qsizetype start = at + marker.size();
    const qsizetype end = props.indexOf(QLatin1Char(';'), start);
    return end < 0 ? props.mid(start) : props.mid(start, end - start);
}

void cacheLoginValue(ConsoleContext& ctx, const QString& name, const Variant& value,
                     const QString& category) {
    try {
        const auto cache =
            queryInterface<IServerCache>(createComponent(ctx.components(), kServerCacheProgId, true));
        cache->add(category, name, value, QString());
    } catch (const Error& e) {
        logCaughtError(lcSession(), "cacheLoginValue: login data not cached", e);
        // Caching login data is a convenience; a missing cache leaves nothing behind.
    }
}

Variant getCachedValue(ConsoleContext& ctx, const QString& name, const QString& category) {
    const auto cache =
        queryInterface<IServerCache>(createComponent(ctx.components(), kServerCacheProgId, true));
    return cache->getItem(name, category, QString(), QString());
}

} // namespace zrk
