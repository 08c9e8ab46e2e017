#include "desktop/screen_scale.h"
#include "session/diagnostic_log.h"
#include "session/texts.h"
#include "shell/shutdown_cleanup.h"
#include "suite/lang_info.h"
#include "suite/msg_log.h"
#include "support/test_console.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace zrk {
namespace {

QString logText(const test::TestConsole& console) {
    QFile file(console.folder() + QStringLiteral("/log/zrkboss.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(DiagnosticLog, IsOffUnlessEnabled) {
    qunsetenv("ZRK_LOG");
    test::TestConsole console;
    const std::int32_t id = logStart(console.ctx, QStringLiteral("start-up"));
    EXPECT_EQ(id, 0);
    logInfo(console.ctx, id, QStringLiteral("x"));
    logEnd(console.ctx, id, 0);
    EXPECT_NE(console.ctx.session().log, nullptr); // created on the first start, then asked
    EXPECT_EQ(logText(console), QString());
}

TEST(DiagnosticLog, WritesStartInfoAndEndWhenTheSettingIsOn) {
    qunsetenv("ZRK_LOG");
    test::TestConsole console;
    console.settings.write(Hive::CurrentUser, suite::kLogSettingKey, suite::kLogSettingValue,
                           QStringLiteral("True"));
    const std::int32_t id = logStart(console.ctx, QStringLiteral("登录"));
    ASSERT_NE(id, 0);
    logInfo(console.ctx, id, QStringLiteral("account set 3"));
    logEnd(console.ctx, id, 7);
    const QString text = logText(console);
    EXPECT_TRUE(text.contains(QStringLiteral("start 登录"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("account set 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("end 7")));
}

TEST(DiagnosticLog, TheEnvironmentSwitchesItOn) {
    qputenv("ZRK_LOG", "1");
    test::TestConsole console;
    EXPECT_NE(logStart(console.ctx, QStringLiteral("x")), 0);
    qunsetenv("ZRK_LOG");
}

TEST(DiagnosticLog, WrappersNeverRaise) {
    test::TestConsole console;
    console.ctx.components().add(
        kMsgLogProgId, []() -> ObjectPtr { throw Error(429, QStringLiteral("x"), QStringLiteral("gone")); });
    EXPECT_EQ(logStart(console.ctx, QStringLiteral("x")), 0);
    EXPECT_NO_THROW(logEnd(console.ctx, 1, 0));
}

TEST(ScreenScale, IsNinetySixOverTheDevicesDpi) {
    test::TestConsole console;
    QImage device(10, 10, QImage::Format_RGB32);
    device.setDotsPerMeterX(static_cast<int>(std::lround(144 / 0.0254)));
    device.setDotsPerMeterY(static_cast<int>(std::lround(120 / 0.0254)));
    EXPECT_NEAR(getScreenScale(console.ctx, device, true), 96.0 / 144, 1e-3);
    EXPECT_NEAR(*console.ctx.desktop().screenScale, 96.0 / 144, 1e-3);
    EXPECT_NEAR(getScreenScale(console.ctx, device, false), 96.0 / 120, 1e-3);
}

TEST(ShutdownCleanup, ClosesTheOfflineSyncWindowByItsTranslatedTitle) {
    test::TestConsole console;
    EXPECT_FALSE(closeOfflineSyncWindow(console.ctx));
    console.windows.windows[QStringLiteral("离线数据自动同步参数设置")] = 42;
    console.windows.failingPosts = 2;
    EXPECT_TRUE(closeOfflineSyncWindow(console.ctx));
    EXPECT_EQ(console.windows.posts, 3);

    test::TestConsole english;
    english.settings.write(Hive::CurrentUser, suite::kLanguageSettingKey, suite::kLanguageSettingValue,
                           QStringLiteral("en"));
    english.windows.windows[QStringLiteral("Offline Data Synchronisation Settings")] = 7;
    EXPECT_TRUE(closeOfflineSyncWindow(english.ctx));
}

TEST(ShutdownCleanup, AWindowThatNeverAcceptsDoesNotHangTheShutdown) {
    test::TestConsole console;
    console.windows.windows[QStringLiteral("离线数据自动同步参数设置")] = 42;
    console.windows.failingPosts = 1000000;
    EXPECT_FALSE(closeOfflineSyncWindow(console.ctx));
    EXPECT_LT(console.windows.posts, 1000);
}

} // namespace
} // namespace zrk
