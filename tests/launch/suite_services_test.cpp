#include "core/roles/component_roles.h"
#include "host_fakes.h"
#include "launch/function_launcher.h"
#include "launch/main_service.h"
#include "launch/operation_log.h"
#include "platform/db/connection.h"
#include "suite/log_server.h"
#include "suite/timer_service.h"
#include "support/demo_account_set.h"

#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zrk {
namespace {

// The suite's real components on a copy of the demo account set, published as this process's
// session.
class SuiteServices : public ::testing::Test {
protected:
    void SetUp() override {
        database = console.folder() + QStringLiteral("/company.db");
        ASSERT_TRUE(QFile::copy(test::DemoInstallation::databaseFile(), database));
        QFile(database).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        console.ctx.session().processId = static_cast<std::int32_t>(getpid());
        props =
            QStringLiteral("ConnectString={Provider=SQLite;Data Source=%1};UserName=boss;SubID=gl;AcctID=1;")
                .arg(database);
        const auto store = queryInterface<IPropStore>(
            console.ctx.components().create(QStringLiteral("SharedProps.PropStore")));
        store->addProperty(console.ctx.session().processId, QStringLiteral("PropsString"), props);
    }
    Variant scalar(const QString& sql) {
        db::Connection connection;
        connection.open(QStringLiteral("Provider=SQLite;Data Source=") + database);
        return connection.execute(sql)->value(0);
    }

    test::TestConsole console;
    QString database;
    QString props;
};

TEST_F(SuiteServices, AMenuStartRaisesTheFavouritesClickCountInTheAccountSet) {
    const QString count = QStringLiteral("select FClickCount from t_UserMenuStore where FInnerID=1");
    const std::int32_t before = scalar(count).toInt32();
    test::Calls calls;
    console.ctx.components().add(QStringLiteral("Biz.gl"), [&calls] {
        return std::make_shared<test::FakeBizFunction>(calls, QStringLiteral("gl"));
    });
    test::FakeFrame frame(calls);
    test::FakeFrames frames(calls, frame);
    test::FakeHosts hosts(console.ctx, calls);
    FunctionLauncher launcher(
        console.ctx,
        LauncherRoles{
            [&] {
                return std::static_pointer_cast<IQVMainService>(getMainService(console.ctx, {frames, hosts}));
            },
            {}});
    launcher.startMenuFunction(QStringLiteral("1;OtherTools;gl;x;N;0"), 1);
    launcher.startMenuFunction(QStringLiteral("2;Biz.gl;gl;x;N;1"), 1);
    EXPECT_EQ(scalar(count).toInt32(), before + 2);
    EXPECT_EQ(calls.log.filter(QStringLiteral("run gl")).size(), 1);
}

TEST_F(SuiteServices, TheOperationLogIsWrittenToItsTableCreatedWhenMissing) {
    writeOperationLog(console.ctx, QStringLiteral("K810008"), kOperationOpening, QStringLiteral("科目"));
    writeOperationLog(console.ctx, QStringLiteral("K810008"), kOperationShown, QStringLiteral("O'Brien"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from t_Log_Operation")).toInt32(), 2);
    EXPECT_EQ(scalar(QStringLiteral("select FUserName from t_Log_Operation where FNumber=1")),
              Variant(QStringLiteral("boss")));
    EXPECT_EQ(scalar(QStringLiteral("select FTitle from t_Log_Operation where FNumber=3")),
              Variant(QStringLiteral("O'Brien")));
    EXPECT_EQ(scalar(QStringLiteral("select FFunctionCode from t_Log_Operation where FNumber=3")),
              Variant(QStringLiteral("K810008")));
}

TEST_F(SuiteServices, AnOperationLogThatCannotBeWrittenDoesNotStopTheCaller) {
    suite::LogServer server;
    server.writeLog(QStringLiteral("ConnectString={Provider=SQLite;Data Source=/no/such/dir/x.db};"),
                    QStringLiteral("K810008"), 1, QStringLiteral("科目"), QString(), QString());
    EXPECT_FALSE(QFile::exists(QStringLiteral("/no/such/dir/x.db")));
}

TEST(TimerService, ATimerTicksWithItsIdUntilStopped) {
    suite::TimerService timers;
    const std::int32_t first = timers.startTimer(1);
    const std::int32_t second = timers.startTimer(1);
    EXPECT_NE(first, second);
    QSignalSpy ticks(&timers, &suite::TimerService::tick);
    ASSERT_TRUE(ticks.wait(3000));
    EXPECT_TRUE(ticks.first().at(0).toInt() == first || ticks.first().at(0).toInt() == second);
    timers.stopTimer(first);
    timers.stopTimer(999);
    EXPECT_FALSE(timers.isRunning(first));
    EXPECT_TRUE(timers.isRunning(second));
    EXPECT_THROW(timers.startTimer(0), Error);
}

TEST(TimerService, IsRegisteredWithTheSuite) {
    test::TestConsole console;
    for (const char* progId : {"TimerHost.TimerService", "BaseServices.LogServer"})
        EXPECT_TRUE(console.ctx.components().contains(QString::fromLatin1(progId))) << progId;
    EXPECT_NE(tryInterface<ITimerService>(console.ctx.components().create(kTimerServiceProgId)), nullptr);
    EXPECT_NE(tryInterface<ILogServer>(console.ctx.components().create(kLogServerProgId)), nullptr);
}

} // namespace
} // namespace zrk
