#pragma once

#include "platform/dictionary.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QVariantMap>
#include <functional>
#include <memory>

namespace zrk {

// The names under which the console serves other programs on the session bus.
inline const QString kBusServiceName = QStringLiteral("net.quorvel.ZrkBoss");
inline const QString kBusObjectPath = QStringLiteral("/QVMainApp");
inline const QString kBusInterface = QStringLiteral("net.quorvel.ZrkBoss.QVMainService");
inline const QString kBusWebLoginPath = QStringLiteral("/clsMain");
inline const QString kBusWebLoginInterface = QStringLiteral("net.quorvel.ZrkBoss.clsMain");
// The name of every error the console replies with; its message carries the number, the
// source and the description (busErrorMessage).
inline const QString kBusErrorName = QStringLiteral("net.quorvel.ZrkBoss.Error");

// What the console serves on the bus. Each member passes its errors on as zrk::Error.
class IBusService {
public:
    virtual ~IBusService() = default;
    virtual void doCallFunc(const QString& progId, const DictionaryPtr& params) = 0;
    virtual void refresh(bool reLogin) = 0;
    virtual void enterQVApp(const DictionaryPtr& loginInfo) = 0;
    virtual bool existsSubControl(const QString& formName, bool activateForm) = 0;
    // Ends the process after the reply has gone out; raises when this copy may not be ended
    // from outside.
    virtual void quit() = 0;
};

// The object exported at kBusObjectPath: each call is handed to the service, and an error
// comes back as the bus error kBusErrorName (a value of a kind the console cannot take
// included), so that the caller learns what went wrong and the console stays as it was.
class ConsoleBusObject : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "net.quorvel.ZrkBoss.QVMainService")
public:
    explicit ConsoleBusObject(IBusService& service) : service_(service) {}

public slots:
    Q_SCRIPTABLE void DoCallFunc(const QString& progId, const QVariantMap& params);
    Q_SCRIPTABLE void Refresh(bool reLogin);
    Q_SCRIPTABLE void EnterQVApp(const QVariantMap& loginInfo);
    Q_SCRIPTABLE bool ExistsSubControl(const QString& formName, bool activateForm);
    Q_SCRIPTABLE void Quit();

private:
    // Runs the call; an error becomes the reply.
    template <class Call> auto served(const char* member, Call call) -> decltype(call());

    IBusService& service_;
};

// The object exported at kBusWebLoginPath: the console's web login.
class WebLoginBusObject : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "net.quorvel.ZrkBoss.clsMain")
public:
    using Login = std::function<bool(std::int16_t index)>;
    explicit WebLoginBusObject(Login login) : login_(std::move(login)) {}

public slots:
    // Opens the product's home page (0) or the web login (1); the answer is always false.
    Q_SCRIPTABLE bool LoginZrkInternet(short index);

private:
    Login login_;
};

// The console's registration on a bus: its objects and its well-known name, all given up when
// this is destroyed.
class ConsoleBus {
public:
    // Registers `service` on `bus`; none (logged) when the bus is not there or another program
    // holds the name.
    static std::unique_ptr<ConsoleBus> registerOn(QDBusConnection bus, IBusService& service,
                                                  WebLoginBusObject::Login webLogin);
    ~ConsoleBus();
    ConsoleBus(const ConsoleBus&) = delete;
    ConsoleBus& operator=(const ConsoleBus&) = delete;

private:
    ConsoleBus(QDBusConnection bus, IBusService& service, WebLoginBusObject::Login webLogin);

    QDBusConnection bus_;
    ConsoleBusObject object_;
    WebLoginBusObject webLogin_;
};

} // namespace zrk
