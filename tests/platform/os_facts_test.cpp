#include "platform/os_facts.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zrk {
namespace {

TEST(MachineName, IsTheHostNameInUpperCaseWithoutDomain) {
    char buffer[256] = {};
    ASSERT_EQ(gethostname(buffer, sizeof buffer - 1), 0);
    const QString expected = QString::fromLocal8Bit(buffer).section(QLatin1Char('.'), 0, 0).toUpper();
    EXPECT_EQ(machineName(), expected);
    EXPECT_EQ(machineName(), machineName().toUpper());
}

TEST(TerminalName, AddsTheSessionNumberOnlyForRemoteSessions) {
    EXPECT_EQ(terminalName(QStringLiteral("BOX1"), std::nullopt), QStringLiteral("BOX1"));
    EXPECT_EQ(terminalName(QStringLiteral("BOX1"), 3), QStringLiteral("BOX1[3]"));
}

TEST(TerminalName, AnSshSessionIsRemote) {
    const QByteArray saved = qgetenv("SSH_CONNECTION");
    const QByteArray savedClient = qgetenv("SSH_CLIENT");
    qunsetenv("SSH_CONNECTION");
    qunsetenv("SSH_CLIENT");
    EXPECT_FALSE(remoteSessionNumber());
    qputenv("SSH_CONNECTION", "10.0.0.1 5000 10.0.0.2 22");
    EXPECT_TRUE(remoteSessionNumber());
    EXPECT_TRUE(terminalName().startsWith(machineName() + QLatin1Char('[')));
    qputenv("SSH_CONNECTION", saved);
    qputenv("SSH_CLIENT", savedClient);
    if (saved.isEmpty())
        qunsetenv("SSH_CONNECTION");
    if (savedClient.isEmpty())
        qunsetenv("SSH_CLIENT");
}

// Starts a copy of sleep under the given program name.
class NamedSleeper {
public:
    NamedSleeper(const QTemporaryDir& dir, const QString& name) {
        const QString path = dir.filePath(name);
        QFile::copy(QStringLiteral("/bin/sleep"), path);
        process.start(path, {QStringLiteral("60")});
        process.waitForStarted();
    }
    ~NamedSleeper() {
        process.kill();
        process.waitForFinished();
    }
    QProcess process;
};

TEST(UserProcesses, AreFoundAndEndedByTheirExactName) {
    QTemporaryDir dir;
    NamedSleeper host(dir, QStringLiteral("ClientCacheHost"));
    NamedSleeper lookalike(dir, QStringLiteral("ClientCacheHostX"));
    ASSERT_EQ(host.process.state(), QProcess::Running);
    ASSERT_EQ(lookalike.process.state(), QProcess::Running);

    const auto found = userProcessesNamed(QStringLiteral("ClientCacheHost"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].pid, host.process.processId());

    EXPECT_EQ(terminateUserProcessesNamed(QStringLiteral("ClientCacheHost")), 1);
    EXPECT_TRUE(host.process.waitForFinished(5000));
    EXPECT_EQ(lookalike.process.state(), QProcess::Running);
    EXPECT_TRUE(userProcessesNamed(QStringLiteral("ClientCacheHost")).empty());
}

} // namespace
} // namespace zrk
