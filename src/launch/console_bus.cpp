#include "launch/console_bus.h"

#include "launch/bus_values.h"
#include "launch/log_category.h"
#include "platform/caught_error.h"

#include <QDBusConnectionInterface>

namespace zrk {

template <class Call> auto ConsoleBusObject::served(const char* member, Call call) -> decltype(call()) {
    try {
        return call();
    } catch (const Error& e) {
        logCaughtError(lcLaunch(), member, e);
        sendErrorReply(kBusErrorName, busErrorMessage(e));
        return decltype(call())();
    }
}

void ConsoleBusObject::DoCallFunc(const QString& progId, const QVariantMap& params) {
    served("bus DoCallFunc: refused", [&] { service_.doCallFunc(progId, dictionaryFromBus(params)); });
}

void ConsoleBusObject::Refresh(bool reLogin) {
    served("bus Refresh: refused", [&] { service_.refresh(reLogin); });
}

void ConsoleBusObject::EnterQVApp(const QVariantMap& loginInfo) {
    served("bus EnterQVApp: refused", [&] { service_.enterQVApp(dictionaryFromBus(loginInfo)); });
}

bool ConsoleBusObject::ExistsSubControl(const QString& formName, bool activateForm) {
    return served("bus ExistsSubControl: refused",
                  [&] { return service_.existsSubControl(formName, activateForm); });
}

void ConsoleBusObject::Quit() {
    served("bus Quit: refused", [&] { service_.quit(); });
}

bool WebLoginBusObject::LoginZrkInternet(short index) {
    return login_ ? login_(static_cast<std::int16_t>(index)) : false;
}

ConsoleBus::ConsoleBus(QDBusConnection bus, IBusService& service, WebLoginBusObject::Login webLogin)
    : bus_(std::move(bus)), object_(service), webLogin_(std::move(webLogin)) {}

std::unique_ptr<ConsoleBus> ConsoleBus::registerOn(QDBusConnection bus, IBusService& service,
                                                   WebLoginBusObject::Login webLogin) {
    if (!bus.isConnected()) {
        qCInfo(lcLaunch) << "no session bus: the console serves no other program on it";
        return nullptr;
    }
    std::unique_ptr<ConsoleBus> registration(new ConsoleBus(bus, service, std::move(webLogin)));
    const auto exported = QDBusConnection::ExportScriptableSlots;
    if (!bus.registerObject(kBusObjectPath, &registration->object_, exported) ||
        !bus.registerObject(kBusWebLoginPath, &registration->webLogin_, exported)) {
        qCWarning(lcLaunch) << "the session bus refused the console's objects:" << bus.lastError().message();
        bus.unregisterObject(kBusObjectPath);
        return nullptr;
    }
    if (!bus.registerService(kBusServiceName)) {
        qCWarning(lcLaunch) << "the session bus name" << kBusServiceName
                            << "is taken or refused:" << bus.lastError().message();
        bus.unregisterObject(kBusObjectPath);
        bus.unregisterObject(kBusWebLoginPath);
        return nullptr;
    }
    return registration;
}

ConsoleBus::~ConsoleBus() {
    bus_.unregisterService(kBusServiceName);
    bus_.unregisterObject(kBusObjectPath);
    bus_.unregisterObject(kBusWebLoginPath);
}

} // namespace zrk
