#include "desktop/x11_window_finder.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace zrk {
namespace {

// A private X server for the test, on the first free display number from 91 on.
class PrivateXServer {
public:
    PrivateXServer() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return;
        for (int number = 91; number < 140; ++number) {
            if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
                continue;
            server.start(xvfb, {QStringLiteral(":%1").arg(number), QStringLiteral("-nolisten"),
                                QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                                QStringLiteral("320x240x24")});
            if (!server.waitForStarted(5000))
                return;
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
            for (int wait = 0; wait < 100 && server.state() == QProcess::Running && !QFile::exists(socket);
                 ++wait)
                server.waitForFinished(50);
            if (server.state() == QProcess::Running && QFile::exists(socket)) {
                display = QStringLiteral(":%1").arg(number);
                return;
            }
            server.kill(); // the number was taken after all: try the next one
            server.waitForFinished(3000);
        }
    }
    ~PrivateXServer() {
        server.terminate();
        server.waitForFinished(3000);
    }
    QProcess server;
    QString display;
};

TEST(X11WindowFinder, FindsAnotherProgramsWindowByTitleAndClosesIt) {
    PrivateXServer x;
    if (x.display.isEmpty())
        GTEST_SKIP() << "Xvfb is not available";
    X11WindowFinder finder(x.display);
    ASSERT_TRUE(finder.connected());
    const QString title = QStringLiteral("离线数据自动同步参数设置");
    EXPECT_FALSE(finder.findTopLevel(title));

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), x.display);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/x11_test_window"), {title});
    ASSERT_TRUE(child.waitForReadyRead(10000));
    ASSERT_EQ(child.readLine().trimmed(), QByteArray("ready"));

    const auto window = finder.findTopLevel(title);
    ASSERT_TRUE(window);
    EXPECT_FALSE(finder.findTopLevel(title + QLatin1Char('x')));
    EXPECT_TRUE(finder.postClose(*window));
    ASSERT_TRUE(child.waitForFinished(5000));
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_FALSE(finder.findTopLevel(title));
}

TEST(X11WindowFinder, WithoutADisplayFindsNothing) {
    X11WindowFinder finder(QStringLiteral(":249"));
    EXPECT_FALSE(finder.connected());
    EXPECT_FALSE(finder.findTopLevel(QStringLiteral("x")));
    EXPECT_FALSE(finder.postClose(1));
    EXPECT_NE(dynamic_cast<NoWindowFinder*>(makeWindowFinder(QStringLiteral("offscreen")).get()), nullptr);
}

} // namespace
} // namespace zrk
