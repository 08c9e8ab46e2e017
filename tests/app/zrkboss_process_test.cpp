#include "program_run.h"
#include "startup/instance_channel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <future>
#include <gtest/gtest.h>
#include <sys/types.h>
#include <unistd.h>

namespace zrk {
namespace {

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
    // The board as the owner reads it, region by region in screen order.
    const qsizetype common =
        out.indexOf(QStringLiteral("\n常用资料: 供应商, 客户, 采购价格资料, 销售价格资料, 物料, 会计科目\n"));
    const qsizetype statements = out.indexOf(QStringLiteral("\n财务分析: 现金流量表, 资产负债表, 利润表\n"));
    const qsizetype reports = out.indexOf(QStringLiteral("\n常用报表: 应收款明细表, 应付款明细表, "));
    EXPECT_GE(common, 0) << out.toStdString();
    EXPECT_GT(statements, common);
    EXPECT_GT(reports, statements);
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1280, 800));
}

TEST_F(ProgramRun, TheScreenshotTakesTheScreenSizeAskedFor) {
    QProcess program;
    const QString shot = console.folder() + QStringLiteral("/wide.png");
    start(program, {QStringLiteral("--screenshot"), shot, QStringLiteral("--size"),
                    QStringLiteral("1920x1080"), launchLine()});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(shot).size(), QSize(1920, 1080));
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
    ASSERT_TRUE(listening());
    // It stays up: no login, no window, nothing printed.
    EXPECT_FALSE(server.waitForFinished(700));

    // A second start hands over, learns that no window came forward, says so and fails.
    QProcess second;
    start(second, {launchLine()});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(
        QString::fromUtf8(second.readAllStandardError()).contains(QStringLiteral("只为其他程序提供服务")));

    // A run for a picture is a copy of its own: it makes its picture beside the running copy.
    QProcess picture;
    const QString shot = console.folder() + QStringLiteral("/y.png");
    start(picture, {QStringLiteral("--screenshot"), shot, launchLine()});
    ASSERT_TRUE(picture.waitForFinished(30000));
    EXPECT_EQ(picture.exitCode(), 0) << picture.readAllStandardError().toStdString();
    EXPECT_FALSE(QImage(shot).isNull());

    EXPECT_EQ(askToQuit(), InstanceChannel::Reply::Quitting);
    ASSERT_TRUE(server.waitForFinished(10000));
    EXPECT_EQ(server.exitCode(), 0);
    EXPECT_TRUE(server.readAllStandardOutput().isEmpty());
}

// A running copy that is stopped takes the connection but never answers: the later start
// does not count that as shown.
TEST_F(ProgramRun, ASecondStartBesideAStoppedCopyFailsWithAMessage) {
    QProcess server;
    start(server, {QStringLiteral("-Embedding")});
    ASSERT_TRUE(listening());
    ASSERT_EQ(kill(static_cast<pid_t>(server.processId()), SIGSTOP), 0);
    QProcess second;
    start(second, {launchLine()});
    const bool ended = second.waitForFinished(30000);
    kill(static_cast<pid_t>(server.processId()), SIGCONT);
    ASSERT_TRUE(ended);
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(second.readAllStandardError()).contains(QStringLiteral("没有响应")));
    EXPECT_EQ(askToQuit(), InstanceChannel::Reply::Quitting);
    EXPECT_TRUE(server.waitForFinished(10000));
}

// Two runs for a picture started together both write theirs.
TEST_F(ProgramRun, TwoScreenshotRunsAtOnceBothWriteTheirPicture) {
    QProcess a;
    QProcess b;
    const QString shotA = console.folder() + QStringLiteral("/a.png");
    const QString shotB = console.folder() + QStringLiteral("/b.png");
    start(a, {QStringLiteral("--screenshot"), shotA, launchLine()});
    start(b, {QStringLiteral("--screenshot"), shotB, launchLine()});
    ASSERT_TRUE(a.waitForFinished(60000));
    ASSERT_TRUE(b.waitForFinished(60000));
    EXPECT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
    EXPECT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();
    EXPECT_FALSE(QImage(shotA).isNull());
    EXPECT_FALSE(QImage(shotB).isNull());
}

// "-embedding" inside a launch value is no object-server start: without a session and without
// a screen for the login dialog, the start ends (instead of serving for ever).
TEST_F(ProgramRun, TheEmbeddingWordInsideALaunchValueIsAnOrdinaryStart) {
    QProcess program;
    start(program, {QStringLiteral("Username=x-embedding")});
    const bool ended = program.waitForFinished(30000);
    if (!ended)
        program.kill();
    ASSERT_TRUE(ended);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains(QStringLiteral("no screen")));
}

// SIGTERM ends the console through its event loop: its socket and lock go with it.
TEST_F(ProgramRun, SigtermEndsTheConsoleAndTakesItsSocketAway) {
    QProcess server;
    start(server, {QStringLiteral("-Embedding")});
    ASSERT_TRUE(listening());
    server.terminate();
    ASSERT_TRUE(server.waitForFinished(10000));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 128 + SIGTERM);
    EXPECT_FALSE(QFile::exists(socketPath()));
    EXPECT_TRUE(
        QDir(runtime.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).isEmpty());
}

// A runtime folder others may enter is refused with a message, before anything is started.
TEST_F(ProgramRun, ARuntimeFolderOpenToOthersIsRefused) {
    ASSERT_TRUE(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                          QFile::ReadGroup | QFile::ExeGroup |
                                                          QFile::ReadOther | QFile::ExeOther));
    QProcess program;
    start(program, {launchLine()});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(
        QString::fromUtf8(program.readAllStandardError()).contains(QStringLiteral("允许其他用户访问")));
    EXPECT_TRUE(QDir(runtime.path()).isEmpty());
}

// ZRK_LOG=1 turns the diagnostic log on: the start leaves its lines there.
TEST_F(ProgramRun, TheDiagnosticLogFollowsTheStart) {
    environment.insert(QStringLiteral("ZRK_LOG"), QStringLiteral("1"));
    QProcess program;
    start(program,
          {QStringLiteral("--screenshot"), console.folder() + QStringLiteral("/l.png"), launchLine()});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    QFile log(console.folder() + QStringLiteral("/log/zrkboss.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("start zrkboss"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("end -1"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("PropsString"))) << text.toStdString();
}

TEST(RuntimeFolder, OnlyAPrivateFolderOfTheUserIsTaken) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString own = dir.filePath(QStringLiteral("own"));
    ASSERT_TRUE(QDir().mkdir(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(runtimeFolderProblem(own), QString());

    const QString open = dir.filePath(QStringLiteral("open"));
    ASSERT_TRUE(QDir().mkdir(open));
    ASSERT_TRUE(QFile::setPermissions(open, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::WriteOther | QFile::ExeOther));
    EXPECT_TRUE(runtimeFolderProblem(open).contains(QStringLiteral("允许其他用户访问")));
    ASSERT_TRUE(QFile::setPermissions(open, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadGroup | QFile::ExeGroup));
    EXPECT_TRUE(runtimeFolderProblem(open).contains(QStringLiteral("允许其他用户访问")));

    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(own, link));
    EXPECT_TRUE(runtimeFolderProblem(link).contains(QStringLiteral("符号链接")));

    EXPECT_TRUE(
        runtimeFolderProblem(dir.filePath(QStringLiteral("none"))).contains(QStringLiteral("不存在")));

    // A folder of another user: root's "/" for anyone else; for root, one given away.
    QString foreign = QStringLiteral("/");
    if (getuid() == 0) {
        foreign = dir.filePath(QStringLiteral("foreign"));
        ASSERT_TRUE(QDir().mkdir(foreign, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        ASSERT_EQ(chown(foreign.toLocal8Bit().constData(), 65534, 65534), 0);
    }
    EXPECT_TRUE(runtimeFolderProblem(foreign).contains(QStringLiteral("不属于当前用户")));
}

// Without a session runtime folder the console makes a private one of the user's, not a
// folder at a name in /tmp that another user could take first.
TEST(RuntimeFolder, TheFallbackIsPrivateAndNotInTheTemporaryFolder) {
    QTemporaryDir cache;
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    const RuntimeFolder folder = runtimeFolder();
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("XDG_CACHE_HOME", savedCache);
    if (savedCache.isEmpty())
        qunsetenv("XDG_CACHE_HOME");
    if (savedRuntime.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(folder.problem, QString());
    EXPECT_TRUE(folder.path.startsWith(cache.path())) << folder.path.toStdString();
    EXPECT_EQ(QFile::permissions(folder.path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
} // namespace zrk
