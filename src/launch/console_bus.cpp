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

ConsoleBus::ConsoleBus(QDBusConnection bus, IBusService& service) : bus_(std::move(bus)), object_(service) {}

std::unique_ptr<ConsoleBus> ConsoleBus::registerOn(QDBusConnection bus, IBusService& service) {
    if (!bus.isConnected()) {
        qCInfo(lcLaunch) << "no session bus: the console serves no other program on it";
        return nullptr;
    }
    std::unique_ptr<ConsoleBus> registration(new ConsoleBus(bus, service));
    if (!bus.registerObject(kBusObjectPath, &registration->object_, QDBusConnection::ExportScriptableSlots)) {
        qCWarning(lcLaunch) << "the session bus refused the object" << kBusObjectPath
                            << bus.lastError().message();
        return nullptr;
    }
    if (!bus.registerService(kBusServiceName)) {
        qCWarning(lcLaunch) << "the session bus name" << kBusServiceName
                            << "is taken or refused:" << bus.lastError().message();
        bus.unregisterObject(kBusObjectPath);
        return nullptr;
    }
    return registration;
}

ConsoleBus::~ConsoleBus() {
    bus_.unregisterService(kBusServiceName);
    bus_.unregisterObject(kBusObjectPath);
}

} // namespace zrk
