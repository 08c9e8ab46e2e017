#include "core/roles/component_roles.h"
#include "session/session_properties.h"
#include "support/test_console.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

class FakeLogin : public ILoginSession {
public:
    bool modern = true;
    Variant userName() override { return QStringLiteral("老板"); }
    Variant propsString() override { return QStringLiteral("UserName=老板;SubID=gl;AcctID=5;"); }
    Variant logStatus() override { return std::int16_t{2}; }
    Variant acctName() override { return QStringLiteral("演示账套"); }
    Variant acctType() override { return QStringLiteral("1"); }
    Variant setupType() override { return QStringLiteral("S"); }
    Variant acctID() override { return QStringLiteral("5"); }
    Variant uuid() override { return modern ? Variant(QStringLiteral("u-1")) : lacks(); }
    Variant ip() override { return modern ? Variant(QStringLiteral("10.0.0.9")) : lacks(); }
    Variant machineName() override { return modern ? Variant(QStringLiteral("PC9")) : lacks(); }

private:
    static Variant lacks() {
        throw Error(errnum::ObjectLacksMember, QStringLiteral("Login"), QStringLiteral("no member"));
    }
};

TEST(SessionProperties, PublishedFromALoginObject) {
    test::TestConsole console;
    FakeLogin login;
    publishFromLoginObject(console.ctx, login);
    EXPECT_EQ(getSessionUserName(console.ctx), QStringLiteral("老板"));
    EXPECT_EQ(getSessionAcctName(console.ctx), QStringLiteral("演示账套"));
    EXPECT_EQ(getSessionAcctID(console.ctx), QStringLiteral("5"));
    EXPECT_TRUE(isLogStatusTwo(console.ctx));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("Setuptype")), Variant(QStringLiteral("S")));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("UsedInBossRpt")), Variant(std::int16_t{1}));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("MachineName")), Variant(QStringLiteral("PC9")));
    EXPECT_EQ(console.ctx.session().currentAcctID, 5);
}

TEST(SessionProperties, AnOlderLoginObjectWithoutUuidStillPublishes) {
    test::TestConsole console;
    FakeLogin login;
    login.modern = false;
    publishFromLoginObject(console.ctx, login);
    EXPECT_EQ(getSessionUserName(console.ctx), QStringLiteral("老板"));
    EXPECT_TRUE(getSessionProperty(console.ctx, QStringLiteral("UUID")).isEmpty());
}

TEST(SessionProperties, AMissingStoreFailsPublishingFromALoginObjectButNotFromADictionary) {
    test::TestConsole console;
    console.ctx.components().add(kPropStoreProgId, []() -> ObjectPtr {
        throw Error(429, QStringLiteral("x"), QStringLiteral("gone"));
    });
    FakeLogin login;
    EXPECT_THROW(publishFromLoginObject(console.ctx, login), Error);
    EXPECT_NO_THROW(
        publishFromDictionary(console.ctx, Dictionary{{QStringLiteral("UserName"), QStringLiteral("a")}}));
}

TEST(SessionProperties, ADictionaryFillsInDefaults) {
    test::TestConsole console;
    publishFromDictionary(console.ctx, Dictionary{{QStringLiteral("username"), QStringLiteral("a")},
                                                  {QStringLiteral("SetupType"), QStringLiteral("T")}});
    EXPECT_EQ(getSessionUserName(console.ctx), QStringLiteral("a"));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("AcctID")), Variant(QStringLiteral("-1")));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("LogStatus")), Variant(0));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("AcctClosed")), Variant(0));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("Setuptype")), Variant(QStringLiteral("T")));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("SubID")), Variant(QString()));
    EXPECT_FALSE(isLogStatusTwo(console.ctx));
}

TEST(SessionProperties, BuildLoginDictionaryReadsThePropertyString) {
    test::TestConsole console;
    const QString props =
        QStringLiteral("UserName=boss;AcctType=2;SetupType=P;SubID=ar;UUID=abc;ConnectString={x};");
    const DictionaryPtr login =
        buildLoginDictionary(console.ctx, props, 9, std::int16_t{2}, QStringLiteral("Co"), 0);
    EXPECT_EQ(login->keys(), (QStringList{"PropsString", "UserName", "LogStatus", "AcctType", "SetupType",
                                          "AcctID", "AcctName", "SubID", "AcctClosed", "UUID"}));
    EXPECT_EQ(getSessionPropsString(console.ctx), props);
    EXPECT_EQ(getSessionUserName(console.ctx), QStringLiteral("boss"));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("SubID")), Variant(QStringLiteral("ar")));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("UUID")), Variant(QStringLiteral("abc")));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("AcctID")), Variant(9));
}

TEST(SessionProperties, EachProcessSeesItsOwnSession) {
    test::TestConsole console;
    publishFromDictionary(console.ctx, Dictionary{{QStringLiteral("UserName"), QStringLiteral("first")}});
    const std::int32_t first = console.ctx.session().processId;
    console.ctx.session().processId = first + 1;
    EXPECT_EQ(getSessionUserName(console.ctx), QString());
    publishFromDictionary(console.ctx, Dictionary{{QStringLiteral("UserName"), QStringLiteral("second")}});
    console.ctx.session().processId = first;
    EXPECT_EQ(getSessionUserName(console.ctx), QStringLiteral("first"));
}

TEST(SessionProperties, ObjectValuesComeBackAsTheSameObject) {
    test::TestConsole console;
    const auto service = std::make_shared<Dictionary>();
    const auto store = queryInterface<IPropStore>(console.ctx.components().create(kPropStoreProgId));
    store->addProperty(console.ctx.session().processId, QStringLiteral("QVMainApp"), service);
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("QVMainApp")).toObject(), service);
    EXPECT_NE(console.ctx.session().sharedProps, nullptr);
}

TEST(SessionSnapshot, RestoresTheSessionAndTheAccountSet) {
    test::TestConsole console;
    buildLoginDictionary(console.ctx, QStringLiteral("UserName=boss;UUID=u;"), 12, 1, QStringLiteral("Co"),
                         0);
    const DictionaryPtr snapshot = snapshotSession(console.ctx);
    ASSERT_NE(snapshot, nullptr);
    EXPECT_EQ(snapshot->count(), 10);
    publishFromDictionary(console.ctx, Dictionary{{QStringLiteral("UserName"), QStringLiteral("other")}});
    restoreSession(console.ctx, snapshot);
    EXPECT_EQ(getSessionUserName(console.ctx), QStringLiteral("boss"));
    EXPECT_EQ(console.ctx.session().currentAcctID, 12);
    restoreSession(console.ctx, nullptr); // none: nothing changes
    EXPECT_EQ(getSessionUserName(console.ctx), QStringLiteral("boss"));
}

TEST(SessionSnapshot, NoneWithoutAStore) {
    test::TestConsole console;
    console.ctx.components().add(kPropStoreProgId, []() -> ObjectPtr {
        throw Error(429, QStringLiteral("x"), QStringLiteral("gone"));
    });
    EXPECT_EQ(snapshotSession(console.ctx), nullptr);
}

TEST(SessionSubID, ReplacesTheItemInThePropertyString) {
    const std::tuple<QString, QString, QString> cases[] = {
        {QStringLiteral("A=1;SubID=gl;B=2;"), QStringLiteral("ar"), QStringLiteral("A=1;SubID=ar;B=2;")},
        {QStringLiteral("SubID=;"), QStringLiteral("ic"), QStringLiteral("SubID=ic;")},
        {QStringLiteral("A=1;SubID=gl"), QStringLiteral("ar"), QStringLiteral("A=1;SubID=ar")},
        {QStringLiteral("A=1;"), QStringLiteral("ar"), QStringLiteral("A=1;SubID=ar;")},
        {QStringLiteral("A=1"), QStringLiteral("ar"), QStringLiteral("A=1;SubID=ar;")},
        {QString(), QStringLiteral("ar"), QStringLiteral("SubID=ar;")},
    };
    for (const auto& [props, id, expected] : cases)
        EXPECT_EQ(withSubID(props, id), expected) << props.toStdString();
}

TEST(SessionSubID, IsPublishedInBothProperties) {
    test::TestConsole console;
    publishFromDictionary(
        console.ctx, Dictionary{{QStringLiteral("PropsString"), QStringLiteral("UserName=a;SubID=gl;X=1;")}});
    EXPECT_EQ(getSessionSubID(console.ctx), QStringLiteral("gl"));
    setSessionSubID(console.ctx, QStringLiteral("ic"));
    EXPECT_EQ(getSessionSubID(console.ctx), QStringLiteral("ic"));
    EXPECT_EQ(getSessionPropsString(console.ctx), QStringLiteral("UserName=a;SubID=ic;X=1;"));
    EXPECT_EQ(getSessionProperty(console.ctx, QStringLiteral("SubID")), Variant(QStringLiteral("ic")));
}

TEST(LoginCache, StoresAndReadsUnderTheCategory) {
    test::TestConsole console;
    cacheLoginValue(console.ctx, QStringLiteral("Login_User_Name"), QStringLiteral("boss"),
                    QStringLiteral("{System}"));
    EXPECT_EQ(getCachedValue(console.ctx, QStringLiteral("Login_User_Name"), QStringLiteral("{System}")),
              Variant(QStringLiteral("boss")));
    EXPECT_EQ(getCachedValue(console.ctx, QStringLiteral("Login_User_Pwd"), QStringLiteral("{System}")),
              Variant(QString()));
    console.ctx.components().add(kServerCacheProgId, []() -> ObjectPtr {
        throw Error(429, QStringLiteral("x"), QStringLiteral("gone"));
    });
    EXPECT_NO_THROW(cacheLoginValue(console.ctx, QStringLiteral("a"), 1, QStringLiteral("{System}")));
    EXPECT_THROW(getCachedValue(console.ctx, QStringLiteral("a"), QStringLiteral("{System}")), Error);
}

} // namespace
} // namespace zrk
