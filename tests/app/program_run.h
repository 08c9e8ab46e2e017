#pragma once

#include "app/process_setup.h"
#include "demo_install.h"
#include "startup/instance_channel.h"
#include "support/demo_account_set.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <future>
#include <gtest/gtest.h>

namespace zrk {

// The program itself, started offscreen in a settings folder of its own with the demo installed.
class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        test::DemoInstallation::install(console);
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ZRK_SETTINGS_DIR"), console.folder());
        environment.insert(QStringLiteral("ZRK_SEED_FILE"), QStringLiteral(ZRK_TEST_SEED_FILE));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        // A runtime folder of the test's own (made 0700): the lock and the socket go there.
        ASSERT_TRUE(runtime.isValid());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    }
    void start(QProcess& process, const QStringList& args) {
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ZRK_PROGRAM), args);
        ASSERT_TRUE(process.waitForStarted(5000));
    }
    QString launchLine() {
        demo::InstallResult installed;
        installed.databaseFile = test::DemoInstallation::databaseFile();
        return demo::demoLaunchLine(installed);
    }
    // The channel name the program computes for these settings.
    QString channelName() {
        const QByteArray saved = qgetenv("ZRK_SETTINGS_DIR");
        qputenv("ZRK_SETTINGS_DIR", console.folder().toLocal8Bit());
        const QString name = instanceChannelName();
        qputenv("ZRK_SETTINGS_DIR", saved);
        return name;
    }
    QString socketPath() { return InstanceChannel(channelName(), runtime.path()).socketPath(); }
    // Waits until a copy started with -Embedding listens.
    bool listening() {
        const QString socket = socketPath();
        return QTest::qWaitFor([&socket] { return QFile::exists(socket); }, 15000);
    }
    InstanceChannel::Reply askToQuit() {
        InstanceChannel client(channelName(), runtime.path());
        return std::async(std::launch::async,
                          [&client] { return client.request(QStringLiteral("quit"), 5000); })
            .get();
    }
    test::TestConsole console;
    QTemporaryDir runtime;
    QProcessEnvironment environment;
};

} // namespace zrk
