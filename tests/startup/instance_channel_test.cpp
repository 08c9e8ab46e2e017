#include "startup/instance_channel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <future>
#include <gtest/gtest.h>

namespace zrk {
namespace {

// Asks from another thread while this one keeps serving.
InstanceChannel::Reply servedAnswer(const std::function<InstanceChannel::Reply()>& ask) {
    auto reply = std::async(std::launch::async, ask);
    EXPECT_TRUE(QTest::qWaitFor(
        [&reply] { return reply.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 5000));
    return reply.get();
}

InstanceChannel::Reply requestServed(const InstanceChannel& client, const QString& command) {
    return servedAnswer([&client, command] { return client.request(command, 3000); });
}

InstanceChannel::Reply handOverServed(const InstanceChannel& client) {
    return servedAnswer([&client] { return client.handOver(3000); });
}

TEST(InstanceChannel, NamesDifferByUserAndDisplay) {
    const QString a = InstanceChannel::channelName(1000, QStringLiteral(":0"));
    EXPECT_EQ(a, InstanceChannel::channelName(1000, QStringLiteral(":0")));
    EXPECT_NE(a, InstanceChannel::channelName(1001, QStringLiteral(":0")));
    EXPECT_NE(a, InstanceChannel::channelName(1000, QStringLiteral(":1")));
    EXPECT_FALSE(a.contains(QLatin1Char(':')));
}

TEST(InstanceChannel, TheSecondCopyAsksTheFirstToComeForward) {
    QTemporaryDir dir;
    const QString name = InstanceChannel::channelName(4242, dir.path());
    InstanceChannel first(name, dir.path());
    ASSERT_TRUE(first.claim());
    int activations = 0;
    bool hasWindow = true;
    first.onShow = [&] {
        ++activations;
        return hasWindow ? InstanceChannel::Reply::Shown : InstanceChannel::Reply::NoWindow;
    };
    InstanceChannel second(name, dir.path());
    EXPECT_FALSE(second.claim());
    EXPECT_EQ(requestServed(second, QStringLiteral("activate")), InstanceChannel::Reply::Shown);
    hasWindow = false;
    EXPECT_EQ(requestServed(second, QStringLiteral("activate")), InstanceChannel::Reply::NoWindow);
    EXPECT_EQ(activations, 2);
}

// The later copy learns whether the window came forward, and if not, why.
TEST(InstanceChannel, TheRunningCopyTellsWhetherItShowedItsWindow) {
    QTemporaryDir dir;
    const QString name = InstanceChannel::channelName(4245, dir.path());
    InstanceChannel first(name, dir.path());
    ASSERT_TRUE(first.claim());
    InstanceChannel second(name, dir.path());
    for (const auto answer : {InstanceChannel::Reply::Shown, InstanceChannel::Reply::NoWindow,
                              InstanceChannel::Reply::Starting, InstanceChannel::Reply::ServingOnly}) {
        first.onShow = [answer] { return answer; };
        EXPECT_EQ(handOverServed(second), answer) << static_cast<int>(answer);
    }
    // A copy that was given nothing to do on "show" has no window to show.
    first.onShow = nullptr;
    EXPECT_EQ(handOverServed(second), InstanceChannel::Reply::NoWindow);
}

// A copy that takes connections but never answers (stopped, or blocked in its start) is no
// success for the later one.
TEST(InstanceChannel, ACopyThatDoesNotAnswerIsNoAnswer) {
    QTemporaryDir dir;
    const QString name = InstanceChannel::channelName(4246, dir.path());
    InstanceChannel silent(name, dir.path());
    QLocalServer mute;
    ASSERT_TRUE(mute.listen(silent.socketPath()));
    // This thread does not serve it while the request waits: the connection is taken, no line
    // comes back.
    EXPECT_EQ(silent.handOver(300), InstanceChannel::Reply::NoAnswer);
}

// A running copy of an older version answers "show" with "unknown"; the later copy asks again
// in the older form and reads its answer.
TEST(InstanceChannel, ARunningCopyOfAnOlderVersionIsAskedInItsOwnWords) {
    QTemporaryDir dir;
    const QString name = InstanceChannel::channelName(4247, dir.path());
    InstanceChannel client(name, dir.path());
    QLocalServer older;
    ASSERT_TRUE(older.listen(client.socketPath()));
    QStringList heard;
    QObject::connect(&older, &QLocalServer::newConnection, [&] {
        while (QLocalSocket* socket = older.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [&heard, socket] {
                if (!socket->canReadLine())
                    return;
                const QByteArray command = socket->readLine().trimmed();
                heard << QString::fromLatin1(command);
                socket->write(command == "activate" ? "activated\n" : "unknown\n");
                socket->flush();
                socket->disconnectFromServer();
            });
        }
    });
    EXPECT_EQ(handOverServed(client), InstanceChannel::Reply::Shown);
    EXPECT_EQ(heard, (QStringList{QStringLiteral("show"), QStringLiteral("activate")}));
}

TEST(InstanceChannel, TheAnswerToShowFollowsTheStateOfTheRunningCopy) {
    EXPECT_EQ(showAnswer(true, false, true), InstanceChannel::Reply::Shown);
    EXPECT_EQ(showAnswer(true, true, true), InstanceChannel::Reply::Shown);
    EXPECT_EQ(showAnswer(false, true, false), InstanceChannel::Reply::ServingOnly);
    EXPECT_EQ(showAnswer(false, false, false), InstanceChannel::Reply::Starting);
    EXPECT_EQ(showAnswer(false, false, true), InstanceChannel::Reply::NoWindow);
}

TEST(InstanceChannel, EveryAnswerButShownHasItsMessage) {
    EXPECT_TRUE(handOverMessage(InstanceChannel::Reply::Shown).isEmpty());
    EXPECT_TRUE(handOverMessage(InstanceChannel::Reply::ServingOnly).contains(QStringLiteral("提供服务")));
    EXPECT_TRUE(handOverMessage(InstanceChannel::Reply::Starting).contains(QStringLiteral("正在启动")));
    EXPECT_TRUE(handOverMessage(InstanceChannel::Reply::NoAnswer).contains(QStringLiteral("没有响应")));
    EXPECT_TRUE(handOverMessage(InstanceChannel::Reply::NoWindow).contains(QStringLiteral("主窗口")));
}

// The socket is in the folder given (the user's runtime folder), not at a name in /tmp; one a
// dead copy left there is replaced, and the running copy takes its socket away when it ends.
TEST(InstanceChannel, TheSocketLivesInTheRuntimeFolder) {
    QTemporaryDir dir;
    const QString name = InstanceChannel::channelName(4248, dir.path());
    {
        InstanceChannel first(name, dir.path());
        EXPECT_EQ(QFileInfo(first.socketPath()).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
        QFile left(first.socketPath());
        ASSERT_TRUE(left.open(QIODevice::WriteOnly)); // litter of a copy that died
        left.close();
        ASSERT_TRUE(first.claim());
        EXPECT_TRUE(QFileInfo(first.socketPath()).exists());
        EXPECT_FALSE(QFileInfo(first.socketPath()).isFile()); // a socket now, not the old file
        EXPECT_FALSE(QFile::exists(QDir::tempPath() + QLatin1Char('/') + name));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(name + QStringLiteral(".socket"))));
}

TEST(InstanceChannel, AServingCopyQuitsWhenAsked) {
    QTemporaryDir dir;
    const QString name = InstanceChannel::channelName(4243, dir.path());
    InstanceChannel server(name, dir.path());
    ASSERT_TRUE(server.claim());
    bool quit = false;
    server.onQuit = [&quit] { quit = true; };
    InstanceChannel client(name, dir.path());
    EXPECT_EQ(requestServed(client, QStringLiteral("quit")), InstanceChannel::Reply::Quitting);
    EXPECT_TRUE(quit);
}

// A copy with the owner's window (no quit handler) says that it does not end, rather than
// answering "quitting" and staying.
TEST(InstanceChannel, ACopyWithTheOwnersWindowRefusesToQuit) {
    QTemporaryDir dir;
    const QString name = InstanceChannel::channelName(4245, dir.path());
    InstanceChannel server(name, dir.path());
    ASSERT_TRUE(server.claim());
    InstanceChannel client(name, dir.path());
    EXPECT_EQ(requestServed(client, QStringLiteral("quit")), InstanceChannel::Reply::NotQuitting);
}

TEST(InstanceChannel, WithNoRunningCopyThereIsNoAnswerAndTheLockIsFree) {
    QTemporaryDir dir;
    const QString name = InstanceChannel::channelName(4244, dir.path());
    {
        InstanceChannel gone(name, dir.path());
        ASSERT_TRUE(gone.claim());
    }
    InstanceChannel next(name, dir.path());
    EXPECT_EQ(next.request(QStringLiteral("activate"), 500), InstanceChannel::Reply::NoAnswer);
    EXPECT_TRUE(next.claim());
}

} // namespace
} // namespace zrk
