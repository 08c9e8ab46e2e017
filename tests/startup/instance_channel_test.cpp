#include "startup/instance_channel.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <future>
#include <gtest/gtest.h>

namespace zrk {
namespace {

// Sends a request from another thread while this one keeps serving.
InstanceChannel::Reply requestServed(const InstanceChannel& client, const QString& command) {
    auto reply = std::async(std::launch::async, [&client, command] { return client.request(command, 3000); });
    EXPECT_TRUE(QTest::qWaitFor(
        [&reply] { return reply.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 5000));
    return reply.get();
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
    first.onActivate = [&] {
        ++activations;
        return hasWindow;
    };
    InstanceChannel second(name, dir.path());
    EXPECT_FALSE(second.claim());
    EXPECT_EQ(requestServed(second, QStringLiteral("activate")), InstanceChannel::Reply::Activated);
    hasWindow = false;
    EXPECT_EQ(requestServed(second, QStringLiteral("activate")), InstanceChannel::Reply::NoWindow);
    EXPECT_EQ(activations, 2);
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
