#include "demo_install.h"
#include "launch/cache_wrapper.h"
#include "session/password_scramble.h"
#include "session/property_string.h"
#include "session/session_properties.h"
#include "session/texts.h"
#include "shell/main_frame.h"
#include "shell/status_panels.h"
#include "startup/command_line.h"
#include "startup/console_start.h"
#include "startup/console_windows.h"
#include "startup/login_registry.h"
#include "suite/lang_info.h"
#include "suite/launch_params.h"
#include "suite/login_dialog.h"
#include "support/cjk.h"
#include "support/demo_account_set.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <gtest/gtest.h>

namespace zrk {
namespace {

QString base64(const QString& text) {
    return QString::fromLatin1(text.toUtf8().toBase64());
}

// A console started on the demo account set, with a main window the way the program opens it.
class ConsoleStart : public ::testing::Test {
public:
    void SetUp() override {
        qputenv("ZRK_SEED_FILE", ZRK_TEST_SEED_FILE);
        test::DemoInstallation::install(console);
        windows = std::make_unique<ConsoleWindows>(console.ctx);
    }

    QString launchLine() {
        demo::InstallResult installed;
        installed.databaseFile = test::DemoInstallation::databaseFile();
        return demo::demoLaunchLine(installed);
    }

    void answerLogin(const QString& user, const QString& password) {
        console.prompts.queueDialog([=](QDialog& dialog) {
            auto& login = static_cast<suite::LoginDialog&>(dialog);
            login.userName()->setText(user);
            login.password()->setText(password);
            QTest::mouseClick(login.okButton(), Qt::LeftButton);
            return login.result();
        });
    }

    // The running console as the owner sees it.
    void expectRunningConsole() {
        ASSERT_NE(frame(), nullptr);
        ASSERT_TRUE(QTest::qWaitFor([this] { return console.ctx.board().built; }, 5000));
        EXPECT_TRUE(console.ctx.session().loggedIn);
        EXPECT_EQ(frame()->windowTitle(), QStringLiteral("QuorvelZRKNimbra老板报表 - [主界面]"));
        EXPECT_EQ(frame()->statusString(), QStringLiteral("就绪"));
        EXPECT_FALSE(frame()->panels().text(StatusPanels::kCompany).isEmpty());
        EXPECT_EQ(frame()->panels().text(StatusPanels::kAccountSet), QStringLiteral("华岳商贸（演示账套）"));
        const QDate today = QDate::currentDate();
        const QString period = QStringLiteral("%1年第%2期").arg(today.year()).arg(today.month());
        EXPECT_EQ(frame()->periodString(), period);
        EXPECT_EQ(frame()->panels().text(StatusPanels::kUser), QStringLiteral("boss"));
        CacheWrapper cache(console.ctx);
        EXPECT_EQ(cache.getItem(QStringLiteral("Sys_PeriodStringList"), QStringLiteral("xs")),
                  Variant(QStringLiteral("销售管理：") + period));
        EXPECT_EQ(cache.getItem(QStringLiteral("Sys_PeriodStringList"), QStringLiteral("gl")),
                  Variant(QStringLiteral("账务处理：") + period));
        // The console tables are in the account set now.
        const auto tables = console.ctx.session().companyConnection->execute(
            QStringLiteral("Select count(*) As n From t_Boss_ElementPosition"));
        EXPECT_GT(tables->value(0).toInt32(), 0);
        // The board's load brought the owner-report list in step with the catalogue.
        EXPECT_EQ(ownerReports(), catalogueOwnerReports());
        EXPECT_FALSE(ownerReports().isEmpty());
    }

    QStringList columnOf(const QString& sql) {
        QStringList out;
        for (auto rs = console.ctx.session().companyConnection->execute(sql); !rs->eof(); rs->moveNext())
            out << rs->value(0).toString();
        return out;
    }
    QStringList ownerReports() {
        return columnOf(
            QStringLiteral("select cast(FRptID as varchar(10)) from t_Rpt_Content_Boss order by FRptID"));
    }
    QStringList catalogueOwnerReports() {
        return columnOf(QStringLiteral("select cast(FRptID as varchar(10)) from t_Rpt_Content "
                                       "where FRptType=1 and FVisibleInList='1' order by FRptID"));
    }

public:
    CommandLineStart start() { return startFromCommandLine(console.ctx, *windows, launchLine()); }

    test::TestConsole console;
    std::unique_ptr<ConsoleWindows> windows;
    MainFrame* frame() const { return windows->frame(); }
};

TEST_F(ConsoleStart, FromTheCommandLineSession) {
    EXPECT_EQ(startFromCommandLine(console.ctx, *windows, QLatin1Char('"') + launchLine() + QLatin1Char('"')),
              CommandLineStart::Running);
    expectRunningConsole();
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("UsedInBossRpt")), Variant(std::int16_t{1}));
    EXPECT_EQ(console.ctx.session().currentAcctID, 1);
    EXPECT_TRUE(console.prompts.dialogTitles().empty()); // no login dialog
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("ZRK老板报表主控台"));
}

TEST_F(ConsoleStart, AnAccountSetWithoutTheOwnerReportListGetsItWithEveryReportHidden) {
    {
        QSqlDatabase company =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dropper"));
        company.setDatabaseName(test::DemoInstallation::databaseFile());
        ASSERT_TRUE(company.open());
        QSqlQuery(company).exec(QStringLiteral("drop table if exists t_Rpt_Content_Boss"));
        company.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("dropper"));
    ASSERT_EQ(startFromCommandLine(console.ctx, *windows, launchLine()), CommandLineStart::Running);
    expectRunningConsole();
    EXPECT_EQ(columnOf(QStringLiteral("select distinct FVisibleInList from t_Rpt_Content_Boss")),
              QStringList{QStringLiteral("0")});
}

TEST_F(ConsoleStart, TheLoginInfoGoesToTheServerCache) {
    const QString info = base64(
        QStringLiteral("Login_AcctID=1;Login_Server_Name=APP1;Login_User_Name=boss;Login_User_Pwd=x;"));
    EXPECT_EQ(startFromCommandLine(console.ctx, *windows,
                                   launchLine() + QStringLiteral("LoginInfo=") + info + QLatin1Char(';')),
              CommandLineStart::Running);
    EXPECT_EQ(getSessionAcctID(console.ctx), QStringLiteral("1"));
    EXPECT_EQ(getCachedValue(console.ctx, QStringLiteral("Login_Server_Name"), QStringLiteral("{System}")),
              Variant(QStringLiteral("APP1")));
}

TEST_F(ConsoleStart, FromTheLoginDialog) {
    EXPECT_EQ(startFromCommandLine(console.ctx, *windows, QString()), CommandLineStart::NoSession);
    answerLogin(QStringLiteral("boss"), QStringLiteral("boss123"));
    EXPECT_EQ(startConsole(console.ctx, *windows, nullptr), StartOutcome::Running);
    expectRunningConsole();
    ASSERT_EQ(console.prompts.dialogTitles().size(), 1u);
}

TEST_F(ConsoleStart, FromAnotherProgramsLoginDictionary) {
    const auto login =
        std::make_shared<Dictionary>(Dictionary{{QStringLiteral("AcctID"), 1},
                                                {QStringLiteral("Username"), QStringLiteral("boss")},
                                                {QStringLiteral("Password"), QStringLiteral("boss123")}});
    EXPECT_EQ(startConsole(console.ctx, *windows, login), StartOutcome::Running);
    expectRunningConsole();
    EXPECT_TRUE(console.prompts.dialogTitles().empty());
}

TEST_F(ConsoleStart, AnExternalLaunchLogsOnWithoutTheDialog) {
    console.ctx.session().commandLine = QStringLiteral("VYTParams=") +
                                        base64(QStringLiteral("Username=boss;AcctID=1;Passwd=boss123;")) +
                                        QStringLiteral(";AlgID=1");
    EXPECT_EQ(startFromCommandLine(console.ctx, *windows, console.ctx.session().commandLine),
              CommandLineStart::NoSession);
    EXPECT_EQ(startConsole(console.ctx, *windows, nullptr), StartOutcome::Running);
    expectRunningConsole();
    EXPECT_TRUE(console.ctx.session().externalLaunch);
    EXPECT_TRUE(console.prompts.dialogTitles().empty());
}

// The launch's login entry of the demo account set, as the settings file holds it.
QString launchEntry(test::TestConsole& console, const char* name) {
    return console.settings
        .read(Hive::CurrentUser, loginRegistryPath(getTerminalName(), QStringLiteral("1")),
              QString::fromLatin1(name))
        .toString();
}

TEST_F(ConsoleStart, AUserFileThatIsNoSettingsFileIsNamedAndKept) {
    const QString path = console.settings.filePath(Hive::CurrentUser);
    const QByteArray garbage("\x00\x01garbage[\n=\xff", 13);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(garbage);
    file.close();
    EXPECT_EQ(startConsole(console.ctx, *windows, nullptr), StartOutcome::Ended);
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    const QString text = console.prompts.messages()[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("注册表权限不够"))) << text.toStdString();
    EXPECT_TRUE(text.contains(path)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("not a settings file"))) << text.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
}

TEST_F(ConsoleStart, AnExternalLaunchWithAPlainTextLogsOn) {
    console.ctx.session().commandLine =
        QStringLiteral("VYTParams=Username=boss;AcctID=1;Passwd=boss123;AlgID=0");
    EXPECT_EQ(startConsole(console.ctx, *windows, nullptr), StartOutcome::Running);
    expectRunningConsole();
    EXPECT_TRUE(console.ctx.session().externalLaunch);
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(ConsoleStart, TheLaunchPasswordIsGoneOnceTheLoginHasReadIt) {
    console.ctx.session().commandLine = QStringLiteral("VYTParams=") +
                                        base64(QStringLiteral("Username=boss;AcctID=1;Passwd=boss123;")) +
                                        QStringLiteral(";AlgID=1");
    EXPECT_EQ(startConsole(console.ctx, *windows, nullptr), StartOutcome::Running);
    EXPECT_EQ(launchEntry(console, "UserName"), QStringLiteral("boss"));
    EXPECT_TRUE(launchEntry(console, "Password").isEmpty());
    QFile file(console.settings.filePath(Hive::CurrentUser));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains(scramblePassword(QStringLiteral("boss123")).toLatin1()));
}

// A launch whose credentials are refused says why and ends the start; it keeps nothing of them.
struct RefusedLaunchCase {
    const char* name;
    const char* plain;
    const char* message;
};

class RefusedLaunch : public ConsoleStart, public ::testing::WithParamInterface<RefusedLaunchCase> {};

TEST_P(RefusedLaunch, SaysWhyAndKeepsNothing) {
    console.ctx.session().commandLine = QStringLiteral("VYTParams=") +
                                        base64(QString::fromUtf8(GetParam().plain)) +
                                        QStringLiteral(";AlgID=1");
    EXPECT_EQ(startConsole(console.ctx, *windows, nullptr), StartOutcome::Ended);
    EXPECT_EQ(frame(), nullptr);
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text, QString::fromUtf8(GetParam().message));
    EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Critical);
    const QString acctId =
        getPropValue(QString::fromUtf8(GetParam().plain), QStringLiteral("AcctID"), QStringLiteral(";"));
    EXPECT_TRUE(console.settings.valueNames(Hive::CurrentUser, loginRegistryPath(getTerminalName(), acctId))
                    .isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedLaunch,
    ::testing::Values(RefusedLaunchCase{"WrongPassword", "Username=boss;AcctID=1;Passwd=wrong;",
                                        "用户名或密码错误，请重新输入！"},
                      RefusedLaunchCase{"UnknownUser", "Username=nobody;AcctID=1;Passwd=boss123;",
                                        "用户名或密码错误，请重新输入！"},
                      RefusedLaunchCase{"UnknownAccountSet", "Username=boss;AcctID=42;Passwd=boss123;",
                                        "账套 42 不存在。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConsoleStart, ALaunchOnABrokenCatalogueNamesTheFile) {
    const QString folder = console.folder() + QStringLiteral("/broken-install");
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/Common")));
    QFile catalogue(folder + QStringLiteral("/Common/AccountSets.json"));
    ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly));
    catalogue.write("{ not json");
    catalogue.close();
    console.settings.write(Hive::LocalMachine, demo::kInstallRegistryKey, QStringLiteral("Path"), folder);
    console.ctx.session().commandLine = QStringLiteral("VYTParams=") +
                                        base64(QStringLiteral("Username=boss;AcctID=1;Passwd=boss123;")) +
                                        QStringLiteral(";AlgID=1");
    EXPECT_EQ(startConsole(console.ctx, *windows, nullptr), StartOutcome::Ended);
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_TRUE(console.prompts.messages()[0].text.contains(QStringLiteral("AccountSets.json")))
        << console.prompts.messages()[0].text.toStdString();
    EXPECT_TRUE(launchEntry(console, "Password").isEmpty());
}

TEST_F(ConsoleStart, AnAlgorithmThatIsNoNumberIsReportedAndTheDialogOpens) {
    for (const char* algorithm : {"abc", "", "99999999999"}) {
        SCOPED_TRACE(algorithm);
        test::TestConsole fresh;
        test::DemoInstallation::install(fresh);
        ConsoleWindows freshWindows(fresh.ctx);
        fresh.ctx.session().commandLine = QStringLiteral("VYTParams=") +
                                          base64(QStringLiteral("Username=boss;AcctID=1;Passwd=boss123;")) +
                                          QStringLiteral(";AlgID=") + QString::fromLatin1(algorithm);
        // No answer is queued: the login dialog is cancelled.
        EXPECT_EQ(startConsole(fresh.ctx, freshWindows, nullptr), StartOutcome::Ended);
        ASSERT_EQ(fresh.prompts.messages().size(), 1u);
        EXPECT_EQ(
            fresh.prompts.messages()[0].text,
            QStringLiteral("启动参数无效：AlgID“%1”不是算法编号。").arg(QString::fromLatin1(algorithm)));
        EXPECT_EQ(fresh.prompts.dialogTitles().size(), 1u);
        EXPECT_FALSE(fresh.ctx.session().externalLaunch);
    }
}

TEST_F(ConsoleStart, TheExitQuestionAndTheRefusalWhileTheBoardLoads) {
    ASSERT_EQ(startFromCommandLine(console.ctx, *windows, launchLine()), CommandLineStart::Running);
    ASSERT_TRUE(QTest::qWaitFor([this] { return console.ctx.board().built; }, 5000));
    // While the board is (re)built, a close request is refused without a question.
    console.ctx.board().built = false;
    EXPECT_FALSE(frame()->close());
    EXPECT_TRUE(console.prompts.messages().empty());
    console.ctx.board().built = true;
    console.prompts.queueAnswer(MessageAnswer::No);
    EXPECT_FALSE(frame()->close());
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text, QStringLiteral("是否确认退出QuorvelZRKNimbra老板报表？"));
    EXPECT_TRUE(frame()->isVisible());
    console.prompts.queueAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(frame()->close());
    EXPECT_EQ(console.ctx.session().companyConnection, nullptr); // the unload closed the company connection
}

// Every refused start shows why and opens no window.
struct BadStart {
    const char* name;
    std::function<QString(const QString& goodLine)> line;
    const char* message; // a part of what the owner is told
};

class RefusedStart : public ConsoleStart, public ::testing::WithParamInterface<BadStart> {};

TEST_P(RefusedStart, ShowsItsMessageAndOpensNoWindow) {
    const BadStart& bad = GetParam();
    EXPECT_EQ(startFromCommandLine(console.ctx, *windows, bad.line(launchLine())), CommandLineStart::Ended);
    EXPECT_EQ(frame(), nullptr);
    EXPECT_FALSE(console.ctx.session().loggedIn);
    ASSERT_FALSE(console.prompts.messages().empty());
    EXPECT_TRUE(console.prompts.messages().back().text.contains(QString::fromUtf8(bad.message)))
        << console.prompts.messages().back().text.toStdString();
}

QString withProps(const QString& props) {
    return QStringLiteral("PropsString=") + base64(props) + QLatin1Char(';');
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, RefusedStart,
    ::testing::Values(
        BadStart{"NoConnectString",
                 [](const QString&) { return withProps(QStringLiteral("UserName=boss;AcctID=1;")); },
                 "会话属性串中没有账套的连接字符串（ConnectString），无法打开账套。"},
        BadStart{"NotBase64", [](const QString&) { return QStringLiteral("PropsString=%%%not-base64%%%;"); },
                 "Base64"},
        BadStart{"MissingAccountSetFile",
                 [](const QString&) {
                     return withProps(QStringLiteral(
                         "UserName=boss;ConnectString={Provider=SQLite;Data Source=/nonexistent/x.zrkdb};"));
                 },
                 "/nonexistent/x.zrkdb"},
        BadStart{"UnreachableSqlServer",
                 [](const QString&) {
                     return withProps(QStringLiteral(
                         "UserName=boss;ConnectString={Provider=SQLOLEDB.1;Data Source=127.0.0.1,1;"
                         "Initial Catalog=x;User ID=sa;Password=p};"));
                 },
                 "Unable to connect"}),
    [](const ::testing::TestParamInfo<BadStart>& info) { return std::string(info.param.name); });

// The same refusals when the session did not come through the accounting check (a login), so
// that the company connection itself is what refuses.
TEST_F(ConsoleStart, TheCompanyConnectionRefusesWithTheSameMessages) {
    const std::pair<const char*, const char*> cases[] = {
        {"UserName=boss;AcctID=1;", "会话属性串中没有账套的连接字符串（ConnectString），无法打开账套。"},
        {"UserName=boss;ConnectString={Provider=SQLite;Data Source=/nonexistent/x.zrkdb};",
         "/nonexistent/x.zrkdb"},
        {"UserName=boss;ConnectString={Provider=SQLOLEDB.1;Data Source=127.0.0.1,1;Initial Catalog=x;"
         "User ID=sa;Password=p};",
         "Unable to connect"},
    };
    for (const auto& [props, message] : cases) {
        SCOPED_TRACE(props);
        publishFromDictionary(console.ctx,
                              Dictionary{{QStringLiteral("PropsString"), QString::fromUtf8(props)}});
        try {
            initConsoleEnvironment(console.ctx);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(message)))
                << e.description().toStdString();
        }
    }
}

// A start while another program holds the demo account set with the lock statement; the
// message the start ended with.
QString messageOfAStartWhileHeld(ConsoleStart& fixture, const char* lockStatement) {
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(test::DemoInstallation::databaseFile());
        EXPECT_TRUE(holder.open());
        QSqlQuery lock(holder);
        EXPECT_TRUE(lock.exec(QString::fromLatin1(lockStatement)));
        EXPECT_EQ(fixture.start(), CommandLineStart::Ended);
        lock.exec(QStringLiteral("ROLLBACK"));
        holder.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    EXPECT_EQ(fixture.frame(), nullptr);
    return fixture.console.prompts.messages().empty() ? QString()
                                                      : fixture.console.prompts.messages().back().text;
}

TEST_F(ConsoleStart, AnAccountSetAnotherProgramHoldsLockedIsNamedAndNothingHangs) {
    // Readers may read, nobody may write.
    const QString text = messageOfAStartWhileHeld(*this, "BEGIN IMMEDIATE");
    EXPECT_TRUE(text.contains(test::DemoInstallation::databaseFile())) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("文件被其他程序锁定"))) << text.toStdString();
}

TEST_F(ConsoleStart, AnAccountSetHeldExclusivelyIsNamedWithTheCause) {
    // Nobody may even read.
    const QString text = messageOfAStartWhileHeld(*this, "BEGIN EXCLUSIVE");
    EXPECT_TRUE(text.contains(QStringLiteral("database is locked"))) << text.toStdString();
    EXPECT_TRUE(text.contains(test::DemoInstallation::databaseFile())) << text.toStdString();
}

// The demo's launch line with its connection string changed.
QString withConnectString(const QString& launchLine, const QString& connect) {
    const QString encoded = getPropValue(launchLine, QStringLiteral("PropsString"), QStringLiteral(";"));
    QString props = QString::fromUtf8(QByteArray::fromBase64(encoded.toLatin1()));
    props.replace(getBraceField(props, 0), connect);
    return QStringLiteral("PropsString=") + base64(props) + QLatin1Char(';');
}

TEST_F(ConsoleStart, AnAccountSetOpenedReadOnlyIsNamedWithTheCause) {
    const QString file = test::DemoInstallation::databaseFile();
    const QString line = withConnectString(launchLine(), QStringLiteral("Provider=SQLite;Data Source=") +
                                                             file + QStringLiteral(";Mode=Read"));
    EXPECT_EQ(startFromCommandLine(console.ctx, *windows, line), CommandLineStart::Ended);
    EXPECT_EQ(frame(), nullptr);
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text,
              QStringLiteral("账套数据库无法写入：%1（连接字符串要求只读打开（Mode=Read））").arg(file));
}

TEST_F(ConsoleStart, AReloginToAnotherAccountSetReopensTheCompanyConnection) {
    ASSERT_EQ(start(), CommandLineStart::Running);
    expectRunningConsole();
    const auto first = console.ctx.session().companyConnection;
    // The same account set: the connection stays.
    EXPECT_TRUE(followAccountSetChange(console.ctx));
    EXPECT_EQ(console.ctx.session().companyConnection, first);

    // Another account set (a copy of the demo's without the console tables).
    const QString other = console.folder() + QStringLiteral("/other.zrkdb");
    ASSERT_TRUE(QFile::copy(test::DemoInstallation::databaseFile(), other));
    QFile::setPermissions(other, QFile::ReadOwner | QFile::WriteOwner);
    {
        QSqlDatabase edit = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("edit"));
        edit.setDatabaseName(other);
        ASSERT_TRUE(edit.open());
        QSqlQuery(edit).exec(QStringLiteral("update t_SystemProfile set FValue='另一家公司' "
                                            "where FCategory='General' and FKey='CompanyName'"));
        edit.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("edit"));
    QString props = getSessionPropsString(console.ctx);
    const QString otherConnect = QStringLiteral("Provider=SQLite;Data Source=") + other;
    props.replace(getBraceField(props, 0), otherConnect);
    publishFromDictionary(console.ctx, Dictionary{{QStringLiteral("PropsString"), props}});
    EXPECT_TRUE(followAccountSetChange(console.ctx));
    ASSERT_NE(console.ctx.session().companyConnection, first);
    EXPECT_EQ(first->state(), 0); // the old one was closed
    EXPECT_EQ(console.ctx.session().companyConnection->connectionString(), otherConnect);
    EXPECT_EQ(console.ctx.session().companyConnection->state(), 1);
    EXPECT_GT(console.ctx.session()
                  .companyConnection->execute(QStringLiteral("select count(*) from t_Boss_ElementPosition"))
                  ->value(0)
                  .toInt32(),
              0);
    // What the frame reads after the re-login comes from the new account set.
    frame()->refreshSystem(false);
    EXPECT_EQ(frame()->panels().text(StatusPanels::kCompany), QStringLiteral("另一家公司"));
}

TEST_F(ConsoleStart, ThreeWrongPasswordsEndTheStart) {
    console.prompts.queueDialog([](QDialog& dialog) {
        auto& login = static_cast<suite::LoginDialog&>(dialog);
        login.userName()->setText(QStringLiteral("boss"));
        for (int i = 0; i < 3; ++i) {
            login.password()->setText(QStringLiteral("wrong"));
            QTest::mouseClick(login.okButton(), Qt::LeftButton);
        }
        return login.result();
    });
    EXPECT_EQ(startConsole(console.ctx, *windows, nullptr), StartOutcome::Ended);
    EXPECT_EQ(frame(), nullptr);
    EXPECT_EQ(console.prompts.messages().back().text, QStringLiteral("密码连续输入错误3次，登录已取消。"));
}

TEST_F(ConsoleStart, AWrongPasswordInTheDictionaryEndsTheStart) {
    const auto login =
        std::make_shared<Dictionary>(Dictionary{{QStringLiteral("AcctID"), 1},
                                                {QStringLiteral("Username"), QStringLiteral("boss")},
                                                {QStringLiteral("Password"), QStringLiteral("x")}});
    EXPECT_EQ(startConsole(console.ctx, *windows, login), StartOutcome::Ended);
    EXPECT_EQ(frame(), nullptr);
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].title, QStringLiteral("ZRK老板报表主控台"));
}

TEST_F(ConsoleStart, LaunchParametersThatDoNotDecryptFallBackToTheDialog) {
    console.settings.write(Hive::LocalMachine, suite::kLaunchKeyPath, suite::kLaunchKeyValue,
                           QStringLiteral("the first launch key of this installation"));
    suite::ParamDecoder decoder(console.settings);
    const QString sealed = decoder.encipher(QStringLiteral("Username=boss;AcctID=1;Passwd=boss123;"), 2);
    console.settings.write(Hive::LocalMachine, suite::kLaunchKeyPath, suite::kLaunchKeyValue,
                           QStringLiteral("the second launch key of this installation"));
    console.ctx.session().commandLine = QStringLiteral("VYTParams=") + sealed + QStringLiteral(";AlgID=2");
    answerLogin(QStringLiteral("boss"), QStringLiteral("boss123"));
    EXPECT_EQ(startConsole(console.ctx, *windows, nullptr), StartOutcome::Running);
    EXPECT_FALSE(console.ctx.session().externalLaunch);
    EXPECT_EQ(console.prompts.dialogTitles().size(), 1u);
    EXPECT_FALSE(console.prompts.messages().empty());
}

TEST_F(ConsoleStart, AFailedReloginKeepsThePreviousSession) {
    ASSERT_EQ(startFromCommandLine(console.ctx, *windows, launchLine()), CommandLineStart::Running);
    const QString before = getSessionPropsString(console.ctx);
    EXPECT_EQ(loginConsole(console.ctx, true, true), 0); // the dialog is cancelled
    EXPECT_EQ(getSessionPropsString(console.ctx), before);
    EXPECT_EQ(loginConsole(console.ctx, true, false), -1); // logged in already
    EXPECT_EQ(loginConsole(console.ctx, false, true), 0);
}

// One more started console within a test, the fixture's own way.
struct AnotherStart : ConsoleStart {
    void TestBody() override {}
};

void chooseEnglish(test::TestConsole& console) {
    console.settings.write(Hive::CurrentUser, suite::kLanguageSettingKey, suite::kLanguageSettingValue,
                           QStringLiteral("en"));
}

// What an English session shows of the console itself is English: the caption, the status bar,
// the module periods and the exit question. (The company's and the account set's names are the
// owner's own data.)
TEST_F(ConsoleStart, AnEnglishSessionShowsTheFrameInEnglish) {
    chooseEnglish(console);
    ASSERT_EQ(start(), CommandLineStart::Running);
    ASSERT_TRUE(QTest::qWaitFor([this] { return console.ctx.board().built; }, 5000));
    EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Quorvel ZRK Nimbra Owner Reports - [Main Board]"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("ZRK Owner Console"));
    const QDate today = QDate::currentDate();
    const QString period = QStringLiteral("Period %1 of %2").arg(today.month()).arg(today.year());
    EXPECT_EQ(frame()->periodString(), period);
    EXPECT_EQ(frame()->statusString(), QStringLiteral("Ready"));
    EXPECT_EQ(frame()->panels().panel(StatusPanels::kUser)->toolTip(), QStringLiteral("User name"));
    CacheWrapper cache(console.ctx);
    const std::pair<const char*, QString> modules[] = {
        {"xs", QStringLiteral("Sales: ") + period},
        {"gl", QStringLiteral("General ledger: ") + period},
        {"cn", QStringLiteral("Cashier: period %1 of %2").arg(today.month()).arg(today.year())},
        {"fa", QStringLiteral("Fixed assets: ") + period},
    };
    for (const auto& [key, text] : modules)
        EXPECT_EQ(cache.getItem(QStringLiteral("Sys_PeriodStringList"), QString::fromLatin1(key)),
                  Variant(text))
            << key;
    console.prompts.queueAnswer(MessageAnswer::No);
    EXPECT_FALSE(frame()->close());
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text,
              QStringLiteral("Do you really want to exit Quorvel ZRK Nimbra Owner Reports?"));
    EXPECT_EQ(console.prompts.messages()[0].title, QStringLiteral("Quorvel Notice"));
    console.prompts.queueAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(frame()->close());
}

// Starts of an English session that fail: the owner is told why in English, in every box and
// dialog title along the way.
TEST_F(ConsoleStart, AnEnglishSessionsFailedStartsSayWhyInEnglish) {
    struct Case {
        const char* name;
        std::function<void(ConsoleStart&)> run;
        const char* lastMessage; // %1 stands for the demo account set's file
        const char* title;
    };
    const QString file = test::DemoInstallation::databaseFile();
    const Case cases[] = {
        {"read-only account set",
         [](ConsoleStart& f) {
             const QString line = withConnectString(
                 f.launchLine(), QStringLiteral("Provider=SQLite;Data Source=") +
                                     test::DemoInstallation::databaseFile() + QStringLiteral(";Mode=Read"));
             EXPECT_EQ(startFromCommandLine(f.console.ctx, *f.windows, line), CommandLineStart::Ended);
         },
         "The account set's database cannot be written: %1 (the connection string opens it read-only "
         "(Mode=Read))",
         "ZRK Owner Console"},
        {"no connection string",
         [](ConsoleStart& f) {
             EXPECT_EQ(startFromCommandLine(f.console.ctx, *f.windows,
                                            withProps(QStringLiteral("UserName=boss;AcctID=1;"))),
                       CommandLineStart::Ended);
         },
         "The session has no connection string (ConnectString) for the account set, so the account set "
         "cannot be opened.",
         "ZRK Owner Console"},
        {"wrong password from another program",
         [](ConsoleStart& f) {
             const auto login =
                 std::make_shared<Dictionary>(Dictionary{{QStringLiteral("AcctID"), 1},
                                                         {QStringLiteral("Username"), QStringLiteral("boss")},
                                                         {QStringLiteral("Password"), QStringLiteral("x")}});
             EXPECT_EQ(startConsole(f.console.ctx, *f.windows, login), StartOutcome::Ended);
         },
         "Logon to the account set failed: the user name or password is wrong.", "ZRK Owner Console"},
        {"three wrong passwords",
         [](ConsoleStart& f) {
             f.console.prompts.queueDialog([](QDialog& dialog) {
                 auto& login = static_cast<suite::LoginDialog&>(dialog);
                 EXPECT_EQ(login.windowTitle(), QStringLiteral("Console - Log On"));
                 login.userName()->setText(QStringLiteral("boss"));
                 for (int i = 0; i < 3; ++i) {
                     login.password()->setText(QStringLiteral("wrong"));
                     QTest::mouseClick(login.okButton(), Qt::LeftButton);
                 }
                 return login.result();
             });
             EXPECT_EQ(startConsole(f.console.ctx, *f.windows, nullptr), StartOutcome::Ended);
             ASSERT_EQ(f.console.prompts.messages().size(), 3u);
             EXPECT_EQ(f.console.prompts.messages()[0].text,
                       QStringLiteral("Wrong user name or password, please enter them again!"));
         },
         "The password was wrong 3 times in a row; the logon is cancelled.", "Quorvel Notice"},
        {"a launch algorithm that is no number",
         [](ConsoleStart& f) {
             f.console.ctx.session().commandLine =
                 QStringLiteral("VYTParams=") +
                 base64(QStringLiteral("Username=boss;AcctID=1;Passwd=boss123;")) +
                 QStringLiteral(";AlgID=abc");
             EXPECT_EQ(startConsole(f.console.ctx, *f.windows, nullptr), StartOutcome::Ended);
             ASSERT_FALSE(f.console.prompts.messages().empty());
             EXPECT_EQ(
                 f.console.prompts.messages()[0].text,
                 QStringLiteral("Invalid launch parameters: AlgID \"abc\" is not an algorithm number."));
         },
         nullptr, "Quorvel Notice"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnotherStart fresh;
        fresh.SetUp();
        chooseEnglish(fresh.console);
        c.run(fresh);
        EXPECT_EQ(fresh.frame(), nullptr);
        const auto& messages = fresh.console.prompts.messages();
        ASSERT_FALSE(messages.empty());
        if (c.lastMessage) {
            EXPECT_EQ(messages.back().text, fillPlaceholders(QString::fromUtf8(c.lastMessage), {file}));
        }
        EXPECT_EQ(messages.back().title, QString::fromUtf8(c.title));
        for (const auto& message : messages) {
            EXPECT_FALSE(test::containsCjk(message.text)) << message.text.toStdString();
            EXPECT_FALSE(test::containsCjk(message.title)) << message.title.toStdString();
        }
        for (const QString& title : fresh.console.prompts.dialogTitles())
            EXPECT_FALSE(test::containsCjk(title)) << title.toStdString();
    }
}

} // namespace
} // namespace zrk
