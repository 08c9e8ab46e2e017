// The console on the session bus, called from this test's process. The test runs on a private
// bus (dbus-run-session, with the build's activation file in its service folder).
#include "launch/console_bus.h"
#include "program_run.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QXmlStreamReader>

namespace zrk {
namespace {

class BusRun : public ProgramRun {
protected:
    void SetUp() override {
        ProgramRun::SetUp();
        ASSERT_TRUE(bus().isConnected()) << "the test needs a session bus (dbus-run-session)";
    }
    static QDBusConnection bus() { return QDBusConnection::sessionBus(); }
    static bool nameOnBus() { return bus().interface()->isServiceRegistered(kBusServiceName).value(); }
    // The name appears once the console has claimed its instance.
    static bool waitForName() {
        return QTest::qWaitFor([] { return nameOnBus(); }, 20000);
    }
    static QDBusMessage call(const QString& method, const QVariantList& args = {}) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(kBusServiceName, kBusObjectPath, kBusInterface, method);
        message.setArguments(args);
        return bus().call(message, QDBus::Block, 20000);
    }
    // The console's own error: its name and the three lines of its message.
    static void expectConsoleError(const QDBusMessage& reply, int number, const QString& source,
                                   const QString& description) {
        ASSERT_EQ(reply.type(), QDBusMessage::ErrorMessage);
        EXPECT_EQ(reply.errorName(), kBusErrorName);
        const QStringList lines = reply.errorMessage().split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 3) << reply.errorMessage().toStdString();
        EXPECT_EQ(lines[0], QStringLiteral("number: %1").arg(number));
        EXPECT_EQ(lines[1], QStringLiteral("source: ") + source);
        EXPECT_TRUE(lines[2].startsWith(QStringLiteral("description: ")));
        EXPECT_TRUE(lines[2].contains(description)) << lines[2].toStdString();
    }
    static bool windowOpen(const QString& formKey) {
        const QDBusMessage reply = call(QStringLiteral("ExistsSubControl"), {formKey, false});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
    }
};

// The methods of `interface` with their signatures, as an introspection document lists them.
QStringList methodsOf(const QString& xml, const QString& interface = kBusInterface) {
    QStringList methods;
    QXmlStreamReader reader(xml);
    bool inInterface = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("interface"))
            inInterface = reader.attributes().value(QLatin1String("name")) == interface;
        else if (inInterface && reader.isStartElement() && reader.name() == QLatin1String("method"))
            methods << reader.attributes().value(QLatin1String("name")).toString();
        else if (inInterface && reader.isStartElement() && reader.name() == QLatin1String("arg"))
            methods.last() +=
                QStringLiteral(" %1:%2").arg(reader.attributes().value(QLatin1String("direction")),
                                             reader.attributes().value(QLatin1String("type")));
    }
    return methods;
}

TEST_F(BusRun, AFunctionStartedFromAnotherProgramOpensItsWindowAndErrorsComeBack) {
    QProcess program;
    start(program, {launchLine()});
    ASSERT_TRUE(waitForName()) << program.readAllStandardError().toStdString();

    // The interface the console shows is the one shipped for other programs.
    const QDBusMessage introspection = QDBusMessage::createMethodCall(
        kBusServiceName, kBusObjectPath, QStringLiteral("org.freedesktop.DBus.Introspectable"),
        QStringLiteral("Introspect"));
    QFile shipped(QStringLiteral(ZRK_SOURCE_DIR "/resources/dbus/net.quorvel.ZrkBoss.QVMainService.xml"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QStringList methods = methodsOf(QString::fromUtf8(shipped.readAll()));
    EXPECT_EQ(methods.size(), 5);
    EXPECT_EQ(methodsOf(bus().call(introspection).arguments().value(0).toString()), methods);

    // The web login is there too; without addresses in the installation it opens nothing.
    QFile webLogin(QStringLiteral(ZRK_SOURCE_DIR "/resources/dbus/net.quorvel.ZrkBoss.clsMain.xml"));
    ASSERT_TRUE(webLogin.open(QIODevice::ReadOnly));
    const QStringList loginMethods = methodsOf(QString::fromUtf8(webLogin.readAll()), kBusWebLoginInterface);
    EXPECT_EQ(loginMethods, QStringList{QStringLiteral("LoginZrkInternet out:b in:n")});
    const QDBusMessage loginIntrospection = QDBusMessage::createMethodCall(
        kBusServiceName, kBusWebLoginPath, QStringLiteral("org.freedesktop.DBus.Introspectable"),
        QStringLiteral("Introspect"));
    EXPECT_EQ(
        methodsOf(bus().call(loginIntrospection).arguments().value(0).toString(), kBusWebLoginInterface),
        loginMethods);
    for (short index : {0, 1, 7}) {
        QDBusMessage login = QDBusMessage::createMethodCall(
            kBusServiceName, kBusWebLoginPath, kBusWebLoginInterface, QStringLiteral("LoginZrkInternet"));
        login.setArguments({QVariant::fromValue(index)});
        const QDBusMessage answer = bus().call(login);
        ASSERT_EQ(answer.type(), QDBusMessage::ReplyMessage) << answer.errorMessage().toStdString();
        EXPECT_EQ(answer.arguments().value(0), QVariant(false)) << index;
    }

    const QString suppliers = QStringLiteral("BaseData.ItemList|FItemClassID=3");
    EXPECT_FALSE(windowOpen(suppliers));
    const QVariantMap params{{QStringLiteral("FClassParam"), QStringLiteral("FItemClassID=3")},
                             {QStringLiteral("FFuncName"), QStringLiteral("供应商")}};
    const QDBusMessage started =
        call(QStringLiteral("DoCallFunc"), {QStringLiteral("BaseData.ItemList"), params});
    EXPECT_EQ(started.type(), QDBusMessage::ReplyMessage) << started.errorMessage().toStdString();
    EXPECT_TRUE(windowOpen(suppliers));

    // Errors reach the caller with their number, source and description; the console stays.
    expectConsoleError(call(QStringLiteral("DoCallFunc"), {QStringLiteral("No.Such"), QVariantMap()}), 429,
                       QStringLiteral("zrkboss"), QStringLiteral("No.Such"));
    expectConsoleError(call(QStringLiteral("EnterQVApp"), {QVariantMap{{QStringLiteral("AcctID"), 999}}}),
                       static_cast<int>(0x80040263u), QStringLiteral("QVMain.QVMainService"),
                       QStringLiteral("无法进入账套不同的系统中!"));
    const QVariantMap nested{{QStringLiteral("FClassParam"), QStringList{QStringLiteral("a")}}};
    expectConsoleError(call(QStringLiteral("DoCallFunc"), {QStringLiteral("BaseData.ItemList"), nested}), 13,
                       QStringLiteral("zrkboss"), QStringLiteral("FClassParam"));
    // A call of the wrong shape is refused by the bus layer itself.
    const QDBusMessage wrongShape = call(QStringLiteral("DoCallFunc"), {42});
    EXPECT_EQ(wrongShape.type(), QDBusMessage::ErrorMessage);
    EXPECT_NE(wrongShape.errorName(), kBusErrorName);
    // The owner's window is not ended from outside.
    expectConsoleError(call(QStringLiteral("Quit")), 5, QStringLiteral("zrkboss"), QStringLiteral("window"));
    EXPECT_TRUE(windowOpen(suppliers));

    program.terminate();
    ASSERT_TRUE(program.waitForFinished(15000));
    EXPECT_TRUE(QTest::qWaitFor([] { return !nameOnBus(); }, 5000));
}

// The bus starts the console from its activation file when a program calls it; that copy only
// serves objects, and ends when asked to.
TEST_F(BusRun, ACallStartsAServingCopyThatQuitsWhenAsked) {
    ASSERT_FALSE(nameOnBus());
    // What the started copy needs to find this test's settings and to run without a screen.
    QDBusMessage update = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("UpdateActivationEnvironment"));
    qDBusRegisterMetaType<QMap<QString, QString>>();
    QMap<QString, QString> activation;
    for (const char* name : {"ZRK_SETTINGS_DIR", "ZRK_SEED_FILE", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        activation.insert(QString::fromLatin1(name), environment.value(QString::fromLatin1(name)));
    update.setArguments({QVariant::fromValue(activation)});
    const QDBusMessage updated = bus().call(update);
    ASSERT_EQ(updated.type(), QDBusMessage::ReplyMessage) << updated.errorMessage().toStdString();

    EXPECT_FALSE(windowOpen(QStringLiteral("BaseData.ItemList|FItemClassID=3")));
    EXPECT_TRUE(nameOnBus());
    const QDBusMessage quit = call(QStringLiteral("Quit"));
    EXPECT_EQ(quit.type(), QDBusMessage::ReplyMessage) << quit.errorMessage().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([] { return !nameOnBus(); }, 10000));
}

} // namespace
} // namespace zrk
