#include "app/process_setup.h"
#include "demo_install.h"
#include "startup/instance_channel.h"
#include "support/demo_account_set.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <future>
#include <gtest/gtest.h>

namespace zrk {
namespace {

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
    test::TestConsole console;
    QProcessEnvironment environment;
};

TEST_F(ProgramRun, TheScreenshotShowsTheBuiltBoardAndTheStatusBar) {
    QProcess program;
    const QString shot = console.folder() + QStringLiteral("/main.png");
    start(program, {QStringLiteral("--screenshot"), shot, launchLine()});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("caption: QuorvelZRKNimbra老板报表 - [主界面]")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("status 1: 就绪")));
    EXPECT_TRUE(out.contains(QStringLiteral("status 3: 华岳商贸（演示账套）")));
    EXPECT_TRUE(out.contains(QStringLiteral("status 5: boss")));
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 800);
    EXPECT_GE(image.height(), 600);
}

TEST_F(ProgramRun, ARefusedSessionEndsWithAMessageAndAFailureStatus) {
    QProcess program;
    start(program, {QStringLiteral("--screenshot"), console.folder() + QStringLiteral("/x.png"),
                    QStringLiteral("PropsString=%%%not base64%%%;")});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_NE(program.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains(QStringLiteral("Base64")));
    EXPECT_FALSE(QFile::exists(console.folder() + QStringLiteral("/x.png")));
}

TEST_F(ProgramRun, ServingObjectsOpensNothingAndASecondStartHandsOver) {
    QProcess server;
    start(server, {QStringLiteral("-EMBEDDING")});
    // It stays up: no login, no window, nothing printed.
    EXPECT_FALSE(server.waitForFinished(700));

    QProcess second;
    start(second,
          {QStringLiteral("--screenshot"), console.folder() + QStringLiteral("/y.png"), launchLine()});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0); // handed over to the running copy, which has no window
    EXPECT_FALSE(QFile::exists(console.folder() + QStringLiteral("/y.png")));

    InstanceChannel client(channelName(), console.folder());
    auto reply =
        std::async(std::launch::async, [&client] { return client.request(QStringLiteral("quit"), 5000); });
    EXPECT_EQ(reply.get(), InstanceChannel::Reply::Quitting);
    ASSERT_TRUE(server.waitForFinished(10000));
    EXPECT_EQ(server.exitCode(), 0);
    EXPECT_TRUE(server.readAllStandardOutput().isEmpty());
}

} // namespace
} // namespace zrk
