#include "core/roles/component_roles.h"
#include "session/password_scramble.h"
#include "startup/command_line.h"
#include "startup/login_registry.h"
#include "startup/program_options.h"
#include "suite/launch_params.h"
#include "support/test_console.h"

#include <QFile>
#include <gtest/gtest.h>

namespace zrk {
namespace {

class FakeAccounts : public Object, public IAccountLookup {
public:
    QString getAccountName(std::int32_t acctId) override { return QStringLiteral("账套%1").arg(acctId); }
};

QString base64(const QString& text) {
    return QString::fromLatin1(text.toUtf8().toBase64());
}

TEST(CommandLine, StripsOneQuoteAtEachEnd) {
    const std::pair<const char*, const char*> cases[] = {
        {"  \"PropsString=abc;\"  ", "PropsString=abc;"},
        {"\"\"x\"\"", "\"x\""},
        {"\"x", "x"},
        {"x\"", "x"},
        {"", ""},
        {"\"", ""},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(stripCommandLine(QString::fromUtf8(line)), QString::fromUtf8(expected)) << line;
}

TEST(CommandLine, EmbeddingIsFoundAnywhereInAnyCase) {
    EXPECT_TRUE(isEmbeddingLaunch(QStringLiteral("-Embedding")));
    EXPECT_TRUE(isEmbeddingLaunch(QStringLiteral("x -EMBEDDING y")));
    EXPECT_TRUE(isEmbeddingLaunch(QStringLiteral("/automation -embedding")));
    EXPECT_FALSE(isEmbeddingLaunch(QStringLiteral("Embedding")));
    EXPECT_FALSE(isEmbeddingLaunch(QString()));
}

// Only "-Embedding" as a whole argument starts an object server; the word inside a launch value
// ("Username=x-embedding") or glued to another word is an ordinary start.
TEST(CommandLine, EmbeddingCountsOnlyAsAWholeArgument) {
    EXPECT_TRUE(isEmbeddingLaunch(QStringLiteral("\"-Embedding\"")));
    EXPECT_TRUE(isEmbeddingLaunch(QStringLiteral("  -eMbEdDiNg  ")));
    EXPECT_FALSE(isEmbeddingLaunch(QStringLiteral("Username=x-embedding")));
    EXPECT_FALSE(isEmbeddingLaunch(QStringLiteral("VYTParams=Username=a-Embedding;AcctID=1;AlgID=0")));
    EXPECT_FALSE(isEmbeddingLaunch(QStringLiteral("-Embeddings")));
    EXPECT_FALSE(isEmbeddingLaunch(QStringLiteral("x-Embedding y")));
    EXPECT_FALSE(isEmbeddingLaunch(QStringLiteral("-Embedding;")));

    EXPECT_TRUE(
        isEmbeddingLaunch(QStringList{QStringLiteral("PropsString=x;"), QStringLiteral("-EMBEDDING")}));
    EXPECT_FALSE(isEmbeddingLaunch(QStringList{QStringLiteral("Username=x-embedding")}));
    // One argument with a space in it is one argument, whatever the words inside it.
    EXPECT_FALSE(isEmbeddingLaunch(QStringList{QStringLiteral("Username=x -Embedding")}));
    EXPECT_FALSE(isEmbeddingLaunch(QStringList{}));
    EXPECT_FALSE(
        isEmbeddingLaunch(readProgramOptions({QStringLiteral("Username=x-embedding")}).launchArguments));
}

// The program's arguments, read, hand the object-server start on in any letter case.
TEST(CommandLine, EmbeddingArgumentReachesTheStartInAnyCase) {
    for (const char* word : {"-Embedding", "-EMBEDDING", "-embedding", "-EmBeDdInG"}) {
        const ProgramOptions options = readProgramOptions(
            {QStringLiteral("--screenshot"), QStringLiteral("shot.png"), QString::fromLatin1(word)});
        EXPECT_EQ(options.action, ProgramAction::Start) << word;
        EXPECT_TRUE(isEmbeddingLaunch(options.launchText)) << word;
        EXPECT_TRUE(isEmbeddingLaunch(options.launchArguments)) << word;
        EXPECT_EQ(options.screenshot, QStringLiteral("shot.png")) << word;
    }
    EXPECT_FALSE(isEmbeddingLaunch(readProgramOptions({QStringLiteral("PropsString=x;")}).launchText));
}

class ExternalLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        console.ctx.components().add(kServerManagerProgId, [] { return std::make_shared<FakeAccounts>(); });
    }
    QString entry(const QString& acctId, const QString& value) {
        const auto key = QStringLiteral("HKEY_CURRENT_USER\\") + loginRegistryPath(getTerminalName(), acctId);
        const auto reg = queryInterface<IRegistry>(
            console.ctx.components().create(QStringLiteral("CoreObjects.Registry")));
        return reg->getKeyValue(key, value, QStringLiteral("1")).toString();
    }
    test::TestConsole console;
};

TEST_F(ExternalLaunch, DecodesTheParametersAndWritesTheLoginEntry) {
    const QString line = QStringLiteral("\"VYTParams=") +
                         base64(QStringLiteral("Username=老板;AcctID=7;Passwd=abc;")) +
                         QStringLiteral(";AlgID=1\"");
    const auto id = decodeExternalLaunch(console.ctx, line);
    ASSERT_TRUE(id);
    EXPECT_EQ(*id, 7);
    EXPECT_EQ(entry(QStringLiteral("7"), QStringLiteral("UserName")), QStringLiteral("老板"));
    EXPECT_EQ(entry(QStringLiteral("7"), QStringLiteral("Password")),
              scramblePassword(QStringLiteral("abc")));
    EXPECT_EQ(entry(QStringLiteral("7"), QStringLiteral("Password")), QStringLiteral("323636333136"));
    EXPECT_EQ(entry(QStringLiteral("7"), QStringLiteral("cAcctName")), QStringLiteral("账套7"));
    EXPECT_EQ(entry(QStringLiteral("7"), QStringLiteral("cDatabaseName")), QStringLiteral("7"));
    EXPECT_EQ(entry(QStringLiteral("7"), QStringLiteral("LogStatus")), QStringLiteral("2"));
    EXPECT_EQ(entry(QStringLiteral("7"), QStringLiteral("cWorkStation")), getMachineName());
    EXPECT_EQ(entry(QStringLiteral("7"), QStringLiteral("MServer")), getMachineName());
    // The plain password is nowhere in the user's file, and the file is the user's alone.
    QFile file(console.settings.filePath(Hive::CurrentUser));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("Password=abc"));
    EXPECT_FALSE(QFile::permissions(file.fileName()) & (QFile::ReadGroup | QFile::ReadOther));
}

TEST_F(ExternalLaunch, IncompleteOrForeignLinesAreNoLaunch) {
    const QString good = base64(QStringLiteral("Username=a;AcctID=1;"));
    const QString lines[] = {
        QStringLiteral("vytparams=") + good + QStringLiteral(";AlgID=1"), // the key's case matters
        QStringLiteral("VYTParams=;AlgID=1"),                             // empty parameters
        QStringLiteral("VYTParams=") + good,                              // no algorithm
        QStringLiteral("VYTParams=") + base64(QStringLiteral("AcctID=1;")) +
            QStringLiteral(";AlgID=1"), // no user
        QStringLiteral("VYTParams=") + base64(QStringLiteral("Username=;AcctID=1;")) +
            QStringLiteral(";AlgID=1"),
        QStringLiteral("VYTParams=") + base64(QStringLiteral("Username=a;")) +
            QStringLiteral(";AlgID=1"), // no account
        QStringLiteral("PropsString=abc;"),
    };
    for (const QString& line : lines)
        EXPECT_FALSE(decodeExternalLaunch(console.ctx, line)) << line.toStdString();
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(ExternalLaunch, ANonNumericAccountSetCountsAsZero) {
    const QString plain = QStringLiteral("VYTParams=") + base64(QStringLiteral("Username=a;AcctID=abc;")) +
                          QStringLiteral(";AlgID=1");
    EXPECT_EQ(decodeExternalLaunch(console.ctx, plain), 0);
    EXPECT_EQ(decodeExternalLaunch(console.ctx, QStringLiteral("VYTParams=Username=a;AcctID=12x;AlgID=0")),
              0);
}

TEST_F(ExternalLaunch, AnAlgorithmThatIsNoNumberIsReportedAndNoLaunch) {
    const QString params = QStringLiteral("VYTParams=Username=a;AcctID=3;Passwd=p;");
    for (const char* algorithm : {"x", "", "1x", "99999999999", "2 3"}) {
        console.prompts.clear();
        EXPECT_FALSE(decodeExternalLaunch(console.ctx,
                                          params + QStringLiteral("AlgID=") + QString::fromLatin1(algorithm)))
            << algorithm;
        ASSERT_EQ(console.prompts.messages().size(), 1u) << algorithm;
        EXPECT_EQ(
            console.prompts.messages()[0].text,
            QStringLiteral("启动参数无效：AlgID“%1”不是算法编号。").arg(QString::fromLatin1(algorithm)));
        EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Critical);
    }
    EXPECT_EQ(launchNumber(QStringLiteral(" 2 ")), 2);
    EXPECT_EQ(launchNumber(QStringLiteral("-1")), -1);
    EXPECT_FALSE(launchNumber(QStringLiteral("2147483648")));
}

TEST_F(ExternalLaunch, APlainTextKeepsAllItsItems) {
    // With algorithm 0 the text itself holds ";": it runs up to the AlgID item or to the end.
    const QString lines[] = {
        QStringLiteral("VYTParams=Username=老板;AcctID=7;Passwd=a;b;AlgID=0"),
        QStringLiteral("AlgID=0;VYTParams=Username=老板;AcctID=7;Passwd=a;b;"),
        QStringLiteral("\"VYTParams=Username=老板;AcctID=7;Passwd=a;b;;AlgID=0\""),
    };
    for (const QString& line : lines) {
        const auto id = decodeExternalLaunch(console.ctx, line);
        ASSERT_TRUE(id) << line.toStdString();
        EXPECT_EQ(*id, 7);
        EXPECT_EQ(entry(QStringLiteral("7"), QStringLiteral("UserName")), QStringLiteral("老板"));
        EXPECT_EQ(entry(QStringLiteral("7"), QStringLiteral("Password")),
                  scramblePassword(QStringLiteral("a")));
    }
    EXPECT_EQ(plainLaunchText(QStringLiteral("VYTParams=Username=a;AcctID=1;AlgID=0")),
              QStringLiteral("Username=a;AcctID=1;"));
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(ExternalLaunch, ParametersThatDoNotDecryptSayWhy) {
    console.settings.write(Hive::LocalMachine, suite::kLaunchKeyPath, suite::kLaunchKeyValue,
                           QStringLiteral("the launch key of this installation"));
    suite::ParamDecoder decoder(console.settings);
    const QString sealed = decoder.encipher(QStringLiteral("Username=a;AcctID=4;"), 2);
    EXPECT_EQ(
        decodeExternalLaunch(console.ctx, QStringLiteral("VYTParams=") + sealed + QStringLiteral(";AlgID=2")),
        4);
    console.settings.write(Hive::LocalMachine, suite::kLaunchKeyPath, suite::kLaunchKeyValue,
                           QStringLiteral("another launch key of this installation"));
    EXPECT_FALSE(decodeExternalLaunch(console.ctx,
                                      QStringLiteral("VYTParams=") + sealed + QStringLiteral(";AlgID=2")));
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(console.prompts.messages()[0].title, QStringLiteral("Quorvel提示"));
}

TEST_F(ExternalLaunch, AMissingDecoderIsReportedAndTheLaunchIsDropped) {
    console.ctx.components().add(kParamDecoderProgId, []() -> ObjectPtr {
        throw Error(429, QStringLiteral("x"), QStringLiteral("gone"));
    });
    EXPECT_FALSE(decodeExternalLaunch(console.ctx, QStringLiteral("VYTParams=abc;AlgID=1")));
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text, QStringLiteral("ParamDecoder组件没有注册!"));
}

TEST_F(ExternalLaunch, IsDecodedOnlyOnce) {
    console.ctx.session().externalLaunch = true;
    EXPECT_FALSE(decodeExternalLaunch(console.ctx, QStringLiteral("VYTParams=") +
                                                       base64(QStringLiteral("Username=a;AcctID=1;")) +
                                                       QStringLiteral(";AlgID=1")));
}

TEST(LoginRegistry, PathDependsOnTheTerminal) {
    EXPECT_EQ(loginRegistryPath(QStringLiteral("PC01[2]"), QStringLiteral("3")),
              QStringLiteral("SoftWare\\QuorVel\\QVReg\\PC01[2]\\3\\"));
    EXPECT_EQ(loginRegistryPath(QString(), QStringLiteral("3")),
              QStringLiteral("SoftWare\\QuorVel\\QVReg\\3"));
}

TEST(ServerName, FollowsTheClassRegistrationThenTheLoginEntry) {
    test::TestConsole console;
    const auto reg =
        queryInterface<IRegistry>(console.ctx.components().create(QStringLiteral("CoreObjects.Registry")));
    const QString machine = getMachineName();
    EXPECT_EQ(getServerName(console.ctx, QStringLiteral("ServerMgr.clsAct")), machine);

    // The login entry names the server.
    const QString loginKey = QStringLiteral("HKEY_CURRENT_USER\\SoftWare\\QuorVel\\QVReg\\") +
                             getTerminalName() + QLatin1Char('\\');
    reg->setKeyValue(loginKey, QStringLiteral("MServer"), QStringLiteral(" APPSRV "));
    EXPECT_EQ(getServerName(console.ctx, QStringLiteral("ServerMgr.clsAct")), QStringLiteral("APPSRV"));

    // A registered class with a remote server wins; one whose local server file exists is local.
    reg->setKeyValue(QStringLiteral("HKEY_CLASSES_ROOT\\ServerMgr.clsAct\\Clsid"), QString(),
                     QStringLiteral("{C1}"));
    EXPECT_EQ(getServerName(console.ctx, QStringLiteral("ServerMgr.clsAct")), machine);
    reg->setKeyValue(QStringLiteral("HKEY_CLASSES_ROOT\\AppID\\{C1}"), QStringLiteral("RemoteServerName"),
                     QStringLiteral("far1"));
    EXPECT_EQ(getServerName(console.ctx, QStringLiteral("ServerMgr.clsAct")), QStringLiteral("FAR1"));
    reg->setKeyValue(QStringLiteral("HKEY_CLASSES_ROOT\\CLSID\\{C1}\\LocalServer32"), QString(),
                     QStringLiteral("\"/bin/sh\" -x"));
    EXPECT_EQ(getServerName(console.ctx, QStringLiteral("ServerMgr.clsAct")), machine);
}

} // namespace
} // namespace zrk
