#include "core/roles/component_roles.h"
#include "platform/db/connection.h"
#include "session/property_string.h"
#include "startup/login_registry.h"
#include "suite/account_catalogue.h"
#include "suite/login_components.h"
#include "suite/login_dialog.h"
#include "support/demo_account_set.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace zrk {
namespace {

class LoginTest : public ::testing::Test {
protected:
    void SetUp() override { test::DemoInstallation::install(console); }

    std::shared_ptr<IOwnerLogin> ownerLogin() {
        object = console.ctx.components().create(QStringLiteral("OwnerLogin.LoginDialog"));
        return queryInterface<IOwnerLogin>(object);
    }
    ILoginSession& session() { return *queryInterface<ILoginSession>(object); }

    // Fills the dialog as the owner would and clicks OK (or Cancel).
    void answerDialog(const QString& user, const QString& password, int okClicks = 1, bool cancel = false) {
        console.prompts.queueDialog([=](QDialog& dialog) {
            auto& login = static_cast<suite::LoginDialog&>(dialog);
            EXPECT_GE(login.accountSets()->count(), 1);
            login.userName()->setText(user);
            for (int i = 0; i < okClicks && !login.isHidden() + 1; ++i) {
                login.password()->setText(password);
                QTest::mouseClick(login.okButton(), Qt::LeftButton);
            }
            if (cancel)
                login.reject();
            return login.result();
        });
    }

    test::TestConsole console;
    ObjectPtr object;
};

TEST_F(LoginTest, TheDialogLogsTheOwnerOnToTheChosenAccountSet) {
    const auto login = ownerLogin();
    answerDialog(QStringLiteral("boss"), QStringLiteral("boss123"));
    bool show = false;
    EXPECT_EQ(login->login(QStringLiteral("super"), QStringLiteral("主控台"), show), -1);
    EXPECT_TRUE(show);
    const QString props = session().propsString().toString();
    EXPECT_EQ(getItemValue(props, QStringLiteral("UserName"), QStringLiteral(";")), QStringLiteral("boss"));
    EXPECT_EQ(getBraceField(props, 0),
              QStringLiteral("Provider=SQLite;Data Source=") + test::DemoInstallation::databaseFile());
    EXPECT_EQ(session().userName(), Variant(QStringLiteral("boss")));
    EXPECT_EQ(session().acctID(), Variant(1));
    EXPECT_EQ(session().logStatus(), Variant(2));
    EXPECT_FALSE(session().uuid().toString().isEmpty());
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(LoginTest, AWrongPasswordIsRefusedAndTheThirdRefusalGivesUp) {
    const auto login = ownerLogin();
    answerDialog(QStringLiteral("boss"), QStringLiteral("wrong"), 3);
    bool show = false;
    EXPECT_EQ(login->login(QStringLiteral("super"), QStringLiteral("主控台"), show), 0);
    ASSERT_EQ(console.prompts.messages().size(), 3u);
    EXPECT_EQ(console.prompts.messages()[0].text, QStringLiteral("用户名或密码错误，请重新输入！"));
    EXPECT_EQ(console.prompts.messages()[2].text, QStringLiteral("密码连续输入错误3次，登录已取消。"));
    EXPECT_EQ(session().propsString(), Variant(QString()));
}

TEST_F(LoginTest, ACorrectPasswordAfterARefusalLogsOn) {
    const auto login = ownerLogin();
    console.prompts.queueDialog([](QDialog& dialog) {
        auto& login = static_cast<suite::LoginDialog&>(dialog);
        login.userName()->setText(QStringLiteral("BOSS")); // user names ignore letter case
        login.password()->setText(QStringLiteral("nope"));
        QTest::mouseClick(login.okButton(), Qt::LeftButton);
        EXPECT_TRUE(login.password()->text().isEmpty());
        login.password()->setText(QStringLiteral("boss123"));
        QTest::mouseClick(login.okButton(), Qt::LeftButton);
        return login.result();
    });
    bool show = false;
    EXPECT_EQ(login->login(QStringLiteral("super"), QStringLiteral("主控台"), show), -1);
    EXPECT_EQ(console.prompts.messages().size(), 1u);
}

TEST_F(LoginTest, CancellingTheDialogIsNoLogin) {
    const auto login = ownerLogin();
    bool show = false;
    EXPECT_EQ(login->login(QStringLiteral("super"), QStringLiteral("主控台"), show),
              0); // unscripted: rejected
    ASSERT_EQ(console.prompts.dialogTitles().size(), 1u);
    EXPECT_EQ(console.prompts.dialogTitles()[0], QStringLiteral("主控台 - 登录"));
}

TEST_F(LoginTest, TheStraightLoginReadsTheEntryThatTheLaunchWrote) {
    const auto login = ownerLogin();
    std::int32_t acctId = 1;
    EXPECT_FALSE(
        login->loginStraight(QStringLiteral("super"), QStringLiteral("主控台"), acctId)); // no entry yet
    ASSERT_TRUE(writeLoginRegistry(console.ctx, QStringLiteral("boss"), QStringLiteral("1"),
                                   QStringLiteral("boss123")));
    EXPECT_TRUE(login->loginStraight(QStringLiteral("super"), QStringLiteral("主控台"), acctId));
    EXPECT_EQ(session().userName(), Variant(QStringLiteral("boss")));
    const QString key = loginRegistryPath(getTerminalName(), QStringLiteral("1"));
    // The password served this login only; the rest of the entry stays.
    EXPECT_TRUE(console.settings.read(Hive::CurrentUser, key, QStringLiteral("Password")).isEmpty());
    EXPECT_EQ(console.settings.read(Hive::CurrentUser, key, QStringLiteral("UserName")).toString(),
              QStringLiteral("boss"));
    EXPECT_FALSE(login->loginStraight(QStringLiteral("super"), QStringLiteral("主控台"), acctId));
}

TEST_F(LoginTest, ARefusedStraightLoginSaysWhyAndKeepsNothing) {
    const auto login = ownerLogin();
    auto refusal = [&](std::int32_t acctId, const QString& password) {
        writeLoginRegistry(console.ctx, QStringLiteral("boss"), QString::number(acctId), password);
        try {
            login->loginStraight(QStringLiteral("super"), QStringLiteral("主控台"), acctId);
        } catch (const Error& e) {
            EXPECT_TRUE(console.settings
                            .valueNames(Hive::CurrentUser,
                                        loginRegistryPath(getTerminalName(), QString::number(acctId)))
                            .isEmpty());
            return e.description();
        }
        return QString();
    };
    EXPECT_EQ(refusal(1, QStringLiteral("guess")), QStringLiteral("用户名或密码错误，请重新输入！"));
    EXPECT_EQ(refusal(99, QStringLiteral("boss123")), QStringLiteral("账套 99 不存在。"));
    EXPECT_EQ(session().propsString(), Variant(QString()));
}

// A private copy of the demo account set, for tests that change its users.
class OwnAccountSet : public LoginTest {
protected:
    void SetUp() override {
        const QString install = console.folder() + QStringLiteral("/install");
        database = console.folder() + QStringLiteral("/own.zrkdb");
        ASSERT_TRUE(QFile::copy(test::DemoInstallation::databaseFile(), database));
        suite::writeAccountCatalogue(
            suite::accountCatalogueFile(install),
            {{1, QStringLiteral("自己的账套"), suite::sqliteConnectString(database)}});
        console.settings.write(Hive::LocalMachine, QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT"),
                               QStringLiteral("Path"), install);
    }
    QString sql(const QString& statement) {
        db::Connection books;
        books.open(suite::sqliteConnectString(database));
        const auto rows = books.execute(statement);
        return rows && !rows->eof() ? rows->value(0).toString() : QString();
    }
    QString database;
};

TEST_F(OwnAccountSet, ADigestWithLessWorkIsRehashedAfterTheLogin) {
    const QString oldSalt = sql(QStringLiteral("Select FSalt From t_User Where FName='boss'"));
    ASSERT_EQ(sql(QStringLiteral("Select FHashIterations From t_User Where FName='boss'")),
              QString::number(test::kTestPasswordIterations));
    const int more = test::kTestPasswordIterations * 3;
    suite::NoUILogin login(console.settings, std::make_shared<suite::LoginState>(), suite::SuiteTexts(),
                           more);
    EXPECT_EQ(
        login.login(QStringLiteral("super"), QString(), 1, QStringLiteral("boss"), QStringLiteral("wrong")),
        0);
    EXPECT_EQ(sql(QStringLiteral("Select FHashIterations From t_User Where FName='boss'")),
              QString::number(test::kTestPasswordIterations)); // a wrong password changes nothing
    EXPECT_EQ(
        login.login(QStringLiteral("super"), QString(), 1, QStringLiteral("boss"), QStringLiteral("boss123")),
        suite::kLoggedOnStatus);
    EXPECT_EQ(sql(QStringLiteral("Select FHashIterations From t_User Where FName='boss'")),
              QString::number(more));
    EXPECT_NE(sql(QStringLiteral("Select FSalt From t_User Where FName='boss'")), oldSalt);
    // The new digest verifies, and more work is not asked again.
    const QString newHash = sql(QStringLiteral("Select FPasswordHash From t_User Where FName='boss'"));
    EXPECT_EQ(
        login.login(QStringLiteral("super"), QString(), 1, QStringLiteral("boss"), QStringLiteral("boss123")),
        suite::kLoggedOnStatus);
    EXPECT_EQ(sql(QStringLiteral("Select FPasswordHash From t_User Where FName='boss'")), newHash);
}

TEST_F(OwnAccountSet, AUserNameWithPropertySyntaxIsRefused) {
    const QString boss = sql(QStringLiteral("Select FUserID From t_User Where FName='boss'"));
    for (const char* name : {"bo;ss", "a=b", "x{", "y}"}) {
        sql(QStringLiteral("Update t_User Set FName='%1' Where FUserID=%2")
                .arg(QString::fromLatin1(name), boss));
        // The refusal is in the language of the suite's texts.
        for (const auto& [language, says] :
             {std::pair{"chs", "不允许的字符"}, std::pair{"en", "a character that is not allowed"}}) {
            suite::NoUILogin login(console.settings, std::make_shared<suite::LoginState>(),
                                   suite::SuiteTexts(QString::fromLatin1(language)),
                                   test::kTestPasswordIterations);
            try {
                login.login(QStringLiteral("super"), QString(), 1, QString::fromLatin1(name),
                            QStringLiteral("boss123"));
                ADD_FAILURE() << name << " was taken";
            } catch (const Error& e) {
                EXPECT_TRUE(e.description().contains(QString::fromLatin1(name)))
                    << e.description().toStdString();
                EXPECT_TRUE(e.description().contains(QString::fromUtf8(says)))
                    << e.description().toStdString();
            }
            EXPECT_EQ(login.propsString(), QString());
        }
    }
}

TEST_F(LoginTest, TheSilentLoginChecksTheHandedOverCredentials) {
    const auto login = queryInterface<INoUILogin>(
        console.ctx.objectFactory().create(QStringLiteral("AcctLogin.NoUILogin"), QString(), true));
    EXPECT_EQ(login->login(QStringLiteral("super"), QString(), 1, QStringLiteral("boss"),
                           QStringLiteral("boss123")),
              2);
    EXPECT_EQ(login->acctName(), QStringLiteral("华岳商贸（演示账套）"));
    EXPECT_EQ(login->acctClosed(), 0);
    EXPECT_TRUE(login->propsString().contains(QStringLiteral("ConnectString={Provider=SQLite;")));
    EXPECT_EQ(login->login(QStringLiteral("super"), QString(), 1, QStringLiteral("boss"),
                           QStringLiteral("x' or '1'='1")),
              0);
    EXPECT_EQ(login->propsString(), QString());
    EXPECT_EQ(login->login(QStringLiteral("super"), QString(), 1, QStringLiteral("nobody"),
                           QStringLiteral("boss123")),
              0);
}

TEST_F(LoginTest, TheServerNamesItsAccountSets) {
    const auto server = queryInterface<IAccountLookup>(
        console.ctx.objectFactory().create(QStringLiteral("ServerMgr.clsAct")));
    EXPECT_EQ(server->getAccountName(1), QStringLiteral("华岳商贸（演示账套）"));
    EXPECT_EQ(server->getAccountName(42), QString());
}

TEST_F(LoginTest, EachPreparedLoginHasItsOwnIdentifier) {
    const auto context =
        queryInterface<ILoginContext>(console.ctx.components().create(QStringLiteral("SuiteLogin.Context")));
    const auto silent =
        queryInterface<INoUILogin>(console.ctx.components().create(QStringLiteral("AcctLogin.NoUILogin")));
    context->prepareLogin();
    silent->login(QStringLiteral("super"), QString(), 1, QStringLiteral("boss"), QStringLiteral("boss123"));
    const QString first = getItemValue(silent->propsString(), QStringLiteral("UUID"), QStringLiteral(";"));
    context->prepareLogin();
    silent->login(QStringLiteral("super"), QString(), 1, QStringLiteral("boss"), QStringLiteral("boss123"));
    const QString second = getItemValue(silent->propsString(), QStringLiteral("UUID"), QStringLiteral(";"));
    EXPECT_FALSE(first.isEmpty());
    EXPECT_NE(first, second);
}

} // namespace
} // namespace zrk
