// Calls the running console on the session bus and prints how long the call took:
//   bus_call wait                         waits (up to 60 s) until the console is on the bus
//   bus_call DoCallFunc PROGID [KEY=TEXT]... starts a function; prints "<ms> ms"
// Exits 1 with the console's error on standard error when the call fails.
#include "launch/console_bus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

namespace {

int waitForConsole(QDBusConnection bus) {
    for (int i = 0; i < 600; ++i) {
        if (bus.interface()->isServiceRegistered(zrk::kBusServiceName).value())
            return 0;
        QThread::msleep(100);
    }
    QTextStream(stderr) << "bus_call: the console did not come onto the bus\n";
    return 1;
}

int callFunction(QDBusConnection bus, const QStringList& args) {
    QVariantMap params;
    for (const QString& pair : args.mid(1)) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        params.insert(pair.left(eq), pair.mid(eq + 1));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(zrk::kBusServiceName, zrk::kBusObjectPath,
                                                       zrk::kBusInterface, QStringLiteral("DoCallFunc"));
    call.setArguments({args.value(0), params});
    QElapsedTimer timer;
    timer.start();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 120000);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (reply.type() != QDBusMessage::ReplyMessage) {
        QTextStream(stderr) << "bus_call: " << reply.errorName() << '\n' << reply.errorMessage() << '\n';
        return 1;
    }
    QTextStream(stdout) << QString::number(ms, 'f', 1) << " ms\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || args.isEmpty()) {
        QTextStream(stderr)
            << "usage (on a session bus): bus_call wait | bus_call DoCallFunc PROGID [KEY=TEXT]...\n";
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("wait"))
        return waitForConsole(bus);
    if (command == QLatin1String("DoCallFunc") && !args.isEmpty())
        return callFunction(bus, args);
    QTextStream(stderr) << "bus_call: unknown command " << command << '\n';
    return 2;
}
