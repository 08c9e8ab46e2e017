#include "core/roles/component_roles.h"
#include "session/property_string.h"
#include "startup/login_registry.h"
#include "suite/login_dialog.h"
#include "support/demo_account_set.h"

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
    ASSERT_TRUE(writeLoginRegistry(console.ctx, QStringLiteral("boss"), QStringLiteral("1"),
                                   QStringLiteral("guess")));
    EXPECT_FALSE(login->loginStraight(QStringLiteral("super"), QStringLiteral("主控台"), acctId));
    acctId = 99; // no such account set
    EXPECT_FALSE(login->loginStraight(QStringLiteral("super"), QStringLiteral("主控台"), acctId));
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
