#include "host_fakes.h"
#include "launch/cache_wrapper.h"
#include "launch/function_launcher.h"
#include "launch/launch_text.h"
#include "launch/local_machine.h"
#include "launch/main_service.h"
#include "launch/service_start.h"
#include "support/core_console.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

int errorOf(const std::function<void()>& call, Error* caught = nullptr) {
    try {
        call();
    } catch (const Error& e) {
        if (caught)
            *caught = e;
        return e.number();
    }
    return 0;
}

TEST(LaunchText, BoardAndMenuFormsGiveTheirKeysInOrder) {
    const auto board =
        boardParameters(QStringLiteral("100;Some.Component;7;abc;Name;True"), QStringLiteral("boss"));
    EXPECT_EQ(board->keys(), (QStringList{"ClassObject", "LoginType", "FUNCID", "OTHERPARAM", "FFuncName",
                                          "FClassParam", "FClassName", "UserName", "FFuncType"}));
    EXPECT_EQ(board->item("FUNCID"), Variant(QStringLiteral("100")));
    EXPECT_EQ(board->item("ClassObject"), Variant(QStringLiteral("Some.Component")));
    EXPECT_EQ(board->item("OTHERPARAM"), Variant(QStringLiteral("abc")));
    EXPECT_EQ(board->item("LoginType"), Variant(QStringLiteral("-Straight")));
    EXPECT_EQ(board->item("FFuncType"), Variant(true));
    const auto menu = menuParameters(QStringLiteral("6011101;Gl.Voucher;gl;x;凭证录入;0"));
    EXPECT_EQ(menu->keys(),
              (QStringList{"FUNCID", "FClassName", "FSubSystemID", "OTHERPARAM", "FFuncName", "FFuncType"}));
    EXPECT_EQ(menu->item("FSubSystemID"), Variant(QStringLiteral("gl")));
    EXPECT_EQ(menu->item("FFuncType"), Variant(false));
}

TEST(LaunchText, FieldFiveFollowsTheTextToBooleanRules) {
    const std::vector<std::pair<const char*, bool>> cases{
        {"TRUE", true}, {"false", false}, {"-1", true}, {"0", false}, {"2.5", true}};
    for (const auto& [field, expected] : cases)
        EXPECT_EQ(menuParameters(QStringLiteral("1;A.B;gl;;N;") + QLatin1String(field))->item("FFuncType"),
                  Variant(expected))
            << field;
}

TEST(LaunchText, AShortTextOrABadFieldFiveIsAnErrorOfTheStart) {
    const std::vector<std::pair<const char*, int>> cases{
        {"1;A.B;gl;x;Name", errnum::SubscriptOutOfRange},
        {"", errnum::SubscriptOutOfRange},
        {"1;A.B;gl;x;Name;abc", errnum::TypeMismatch},
        {"1;A.B;gl;x;Name;", errnum::TypeMismatch},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(errorOf([&] { menuParameters(QString::fromUtf8(text)); }), number) << text;
        EXPECT_EQ(errorOf([&] { boardParameters(QString::fromUtf8(text), QString()); }), number) << text;
    }
}

TEST(LocalMachine, TheOwnAddressIsTheFirstNonLoopbackOnePreferringIPv4) {
    using A = QHostAddress;
    const std::vector<std::pair<QList<QHostAddress>, QString>> cases{
        {{A(QStringLiteral("127.0.0.1")), A(QStringLiteral("::1"))}, QString()},
        {{}, QString()},
        {{A(QStringLiteral("127.0.0.1")), A(QStringLiteral("fe80::1")), A(QStringLiteral("192.168.1.20"))},
         QStringLiteral("192.168.1.20")},
        {{A(QStringLiteral("::1")), A(QStringLiteral("2001:db8::5"))}, QStringLiteral("2001:db8::5")},
    };
    for (const auto& [addresses, expected] : cases)
        EXPECT_EQ(ownAddressOf(addresses), expected);
    EXPECT_FALSE(getLocalMachineName().contains(QChar(u'\0')));
}

// A console with the suite's fakes, a frame, and the service object over them.
class ServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::registerSuiteFakes(console.ctx, calls);
        for (const char* key : {"gl", "ar"})
            console.ctx.components().add(QStringLiteral("Biz.%1").arg(QLatin1String(key)), [this, key] {
                return std::make_shared<test::FakeBizFunction>(calls, QString::fromLatin1(key));
            });
        console.ctx.components().add(QStringLiteral("Plain.Object"),
                                     [] { return std::make_shared<Object>(); });
        console.ctx.components().add(QStringLiteral("Board.Report"),
                                     [this] { return std::make_shared<test::FakeBoardFunction>(calls); });
        console.ctx.components().add(QStringLiteral("Ctl.Grid"), [this] {
            return std::make_shared<test::FakeControl>(calls, true, true);
        });
    }

    std::shared_ptr<QVMainService> service() {
        return getMainService(console.ctx, ServiceRoles{frames, hosts});
    }
    DictionaryPtr params(const QString& funcId) {
        return std::make_shared<Dictionary>(Dictionary{{"FUNCID", funcId}, {"FFuncName", "凭证"}});
    }
    bool subSystemInitialised(const QString& key) {
        return CacheWrapper(console.ctx).getItem(kSubSystemCategory, key, Variant(false)) == Variant(true);
    }

    test::CoreConsole console;
    test::Calls calls;
    test::FakeFrame frame{calls};
    test::FakeFrames frames{calls, frame};
    test::FakeHosts hosts{console.ctx, calls};
};

TEST_F(ServiceTest, TheServiceIsPublishedOnceAsQVMainApp) {
    const auto first = service();
    EXPECT_EQ(calls.props[QStringLiteral("QVMainApp")].toObject(), first);
    EXPECT_EQ(service(), first);
    EXPECT_EQ(console.ctx.launch().mainService, first);
}

TEST_F(ServiceTest, AServiceStartInitialisesTheSubSystemOnceAndMakesItTheSessionsSubID) {
    service()->doCallFunc(QStringLiteral("Biz.ar"), params(QStringLiteral("100")));
    service()->doCallFunc(QStringLiteral("Biz.ar"), params(QStringLiteral("101")));
    EXPECT_EQ(calls.log, (QStringList{"init ar", "run ar with service", "setStatusBar", "run ar with service",
                                      "setStatusBar"}));
    EXPECT_EQ(getSessionSubID(console.ctx), QStringLiteral("ar"));
    EXPECT_EQ(calls.props[QStringLiteral("SubID")], Variant(QStringLiteral("ar")));
    EXPECT_TRUE(calls.props[QStringLiteral("PropsString")].toString().contains(QStringLiteral(";SubID=ar;")));
    EXPECT_TRUE(subSystemInitialised(QStringLiteral("ar")));
    ASSERT_EQ(calls.dictionaries.size(), 2u);
    EXPECT_EQ(calls.dictionaries[1]->item("FUNCID"), Variant(QStringLiteral("101")));
}

TEST_F(ServiceTest, FunctionSixZeroOneOneOneZeroOneRunsUnderSuperWhateverItsComponentSays) {
    for (const Variant& id :
         {Variant(QStringLiteral("6011101")), Variant(6011101), Variant(QStringLiteral(" 6011101.0"))}) {
        calls.log.clear();
        auto dct = std::make_shared<Dictionary>(Dictionary{{"FUNCID", id}});
        service()->doCallFunc(QStringLiteral("Biz.gl"), dct);
        EXPECT_EQ(getSessionSubID(console.ctx), QStringLiteral("super"));
    }
    EXPECT_TRUE(subSystemInitialised(QStringLiteral("super")));
    EXPECT_FALSE(subSystemInitialised(QStringLiteral("gl")));
    service()->doCallFunc(QStringLiteral("Biz.gl"), params(QStringLiteral("60111010")));
    EXPECT_EQ(getSessionSubID(console.ctx), QStringLiteral("gl"));
}

TEST_F(ServiceTest, AFailedServiceStartIsReportedAndNothingRuns) {
    struct Case {
        const char* progId;
        int number;
        const char* description;
    };
    const std::vector<Case> cases{
        {"No.Such", errnum::CannotCreateObject, " - No.Such"},
        {"Plain.Object", errnum::InvalidProcedureCall, "组件类型错误,请确认是否支持IBizConsole接口."},
    };
    for (const Case& c : cases) {
        calls.reported.clear();
        service()->doCallFunc(QString::fromLatin1(c.progId), params(QStringLiteral("1")));
        ASSERT_EQ(calls.reported.size(), 1u) << c.progId;
        EXPECT_EQ(calls.reported[0].number(), c.number);
        EXPECT_TRUE(calls.reported[0].description().endsWith(QString::fromUtf8(c.description)))
            << calls.reported[0].description().toStdString();
    }
    EXPECT_TRUE(calls.dictionaries.empty());
    EXPECT_EQ(getSessionSubID(console.ctx), QStringLiteral("gl"));
    EXPECT_FALSE(calls.log.contains(QStringLiteral("setStatusBar")));
}

TEST_F(ServiceTest, ShowFormUsesTheProgIdAsKeyAndAGlobalShowFindsTheOpenWindow) {
    const ObjectPtr first = service()->showForm(QStringLiteral("ar"), QStringLiteral("Ctl.Grid"));
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(hosts.windows.size(), 1u);
    EXPECT_EQ(hosts.windows[0].host->formKey(), QStringLiteral("Ctl.Grid"));
    EXPECT_EQ(hosts.windows[0].host->systemName(), QStringLiteral("ar"));
    EXPECT_TRUE(hosts.windows[0].view->visible);
    hosts.windows[0].view->minimised = true;
    EXPECT_EQ(service()->showForm(QStringLiteral("ar"), QStringLiteral("Ctl.Grid"), QString(), true), first);
    EXPECT_EQ(hosts.windows.size(), 1u);
    EXPECT_FALSE(hosts.windows[0].view->minimised); // restored, not focused
    const ObjectPtr second = service()->showForm(QStringLiteral("ar"), QStringLiteral("Ctl.Grid"));
    EXPECT_EQ(hosts.windows.size(), 2u);
    EXPECT_NE(second, first);
}

TEST_F(ServiceTest, ExistsSubControlComparesTheFormKeyExactly) {
    const ObjectPtr shown =
        service()->showForm(QStringLiteral("gl"), QStringLiteral("Ctl.Grid"), QStringLiteral("Ledger"));
    EXPECT_EQ(service()->existsSubControl(QStringLiteral("Ledger")), shown);
    EXPECT_EQ(service()->existsSubControl(QStringLiteral("ledger")), nullptr);
    EXPECT_EQ(service()->existsSubControl(QStringLiteral("Ctl.Grid")), nullptr);
    calls.log.clear();
    EXPECT_EQ(service()->existsSubControl(QStringLiteral("Ledger"), true), shown);
    EXPECT_EQ(calls.log, QStringList{"focusControl"});
}

TEST_F(ServiceTest, TheTimerServiceStartsOnceWithOneSecondAndStopsWithItsId) {
    struct FakeTimer : Object, ITimerService {
        explicit FakeTimer(test::Calls& c) : calls(c) {}
        std::int32_t startTimer(std::int16_t n) override {
            calls.log << QStringLiteral("start %1").arg(n);
            return 42;
        }
        void stopTimer(std::int32_t id) override { calls.log << QStringLiteral("stop %1").arg(id); }
        test::Calls& calls;
    };
    console.ctx.components().add(kTimerServiceProgId, [this] { return std::make_shared<FakeTimer>(calls); });
    const ObjectPtr timer = service()->timerService();
    EXPECT_EQ(service()->timerService(), timer);
    EXPECT_EQ(console.ctx.launch().timerId, 42);
    stopTimerService(console.ctx);
    stopTimerService(console.ctx);
    EXPECT_EQ(calls.log, (QStringList{"start 1", "stop 42"}));
    EXPECT_EQ(console.ctx.launch().timerService, nullptr);
}

TEST_F(ServiceTest, RefreshCacheAndBarsReachTheFrame) {
    service()->refresh(true);
    EXPECT_EQ(calls.log, QStringList{"refreshSystem 1"});
    EXPECT_EQ(service()->activeBar(), frame.bar);
    EXPECT_EQ(service()->statusBar(), frame.bar);
    service()->cache()->add(QStringLiteral("F"), QStringLiteral("k"), 5, QString());
    EXPECT_EQ(CacheWrapper(console.ctx).getItem(QStringLiteral("F"), QStringLiteral("k")), Variant(5));
}

TEST_F(ServiceTest, EnterQVAppStartsTheConsoleOrBringsItForwardForTheSameAccountSet) {
    console.ctx.session().currentAcctID = 7;
    auto login = [](const Variant& acct) {
        return std::make_shared<Dictionary>(Dictionary{{"AcctID", acct}});
    };
    service()->enterQVApp(login(QStringLiteral("9"))); // not shown yet: never the account-set error
    EXPECT_EQ(calls.log, QStringList{"startWithLogin 9"});
    frames.startSucceeds = false;
    EXPECT_EQ(errorOf([&] { service()->enterQVApp(login(9)); }), errnum::InvalidProcedureCall);

    console.ctx.session().loggedIn = true;
    calls.log.clear();
    service()->enterQVApp(login(QStringLiteral("7")));
    service()->enterQVApp(login(7));
    service()->enterQVApp(nullptr);
    EXPECT_EQ(calls.log, (QStringList{"bringFrameForward", "bringFrameForward", "bringFrameForward"}));
    for (const Variant& other : {Variant(QStringLiteral("8")), Variant(QStringLiteral("abc")), Variant(8)}) {
        Error caught(0, {}, {});
        EXPECT_EQ(errorOf([&] { service()->enterQVApp(login(other)); }, &caught), errnum::OtherAccountSet);
        EXPECT_EQ(static_cast<std::uint32_t>(caught.number()), 0x80040263u);
        EXPECT_EQ(caught.source(), QStringLiteral("QVMain.QVMainService"));
        EXPECT_EQ(caught.description(), QStringLiteral("无法进入账套不同的系统中!"));
    }
    EXPECT_EQ(calls.log.size(), 3);
}

// The board's label: its pointer changes are recorded.
struct FakeLabel : IPointerTarget {
    QStringList pointers;
    void showBusyPointer() override { pointers << QStringLiteral("hourglass"); }
    void showCustomPointer() override { pointers << QStringLiteral("hand"); }
};

struct FakeBoard : IBoard {
    QStringList flags;
    QWidget* widget() override { return nullptr; }
    void setStartFlag(bool) override {}
    void setLaunchFlag(bool launched) override {
        flags << (launched ? QStringLiteral("true") : QStringLiteral("false"));
    }
    void activate(bool) override {}
    void deactivate() override {}
    void onBuilt(std::function<void()>) override {}
    QStringList ownerLines() const override { return {}; }
};

class LauncherTest : public ServiceTest {
protected:
    FakeBoard board;
    FunctionLauncher launcher{
        console.ctx, LauncherRoles{[this] { return std::static_pointer_cast<IQVMainService>(service()); },
                                   [this] { return &board; }}};
};

TEST_F(LauncherTest, ADirectStartHandsTheFullDictionaryToLoadAPPfunc) {
    calls.serverCache = {{"Login_Server_Name", "srv"}, {"Login_User_Name", "sa"}, {"Login_User_Pwd", "pw"}};
    FakeLabel label;
    launcher.startBoardFunction(QStringLiteral("100;Board.Report;7;abc;Name;True"), label);
    EXPECT_EQ(label.pointers, (QStringList{"hourglass", "hand"}));
    ASSERT_EQ(calls.dictionaries.size(), 1u);
    const DictionaryPtr dct = calls.dictionaries[0];
    EXPECT_EQ(dct->keys(),
              (QStringList{"ClassObject", "LoginType", "FUNCID", "OTHERPARAM", "FFuncName", "FClassParam",
                           "FClassName", "UserName", "FFuncType", "AcctID", "Login_Server_Name",
                           "Login_User_Name", "Login_User_Pwd", "ConnectString"}));
    EXPECT_EQ(dct->item("UserName"), Variant(QStringLiteral("boss")));
    EXPECT_EQ(dct->item("AcctID"), Variant(QStringLiteral("7")));
    EXPECT_EQ(dct->item("Login_User_Pwd"), Variant(QStringLiteral("pw")));
    EXPECT_EQ(dct->item("ConnectString"), calls.props[QStringLiteral("PropsString")]);
    EXPECT_TRUE(calls.log.contains(QStringLiteral("serverCache {System} Login_Server_Name")));
    EXPECT_EQ(calls.log.filter(QStringLiteral("usedInBossRpt")), QStringList{"usedInBossRpt 1"});
}

TEST_F(LauncherTest, AFailedDirectStartReachesTheCallerWithTheLabelsPointerBack) {
    const std::vector<std::pair<const char*, int>> cases{
        {"1;Board.Report;7;abc;Name", errnum::SubscriptOutOfRange},
        {"1;Board.Report;7;abc;Name;abc", errnum::TypeMismatch},
        {"1;No.Such;7;abc;Name;1", errnum::CannotCreateObject},
        {"1;Biz.gl;7;abc;Name;1", errnum::ObjectLacksMember},
    };
    for (const auto& [text, number] : cases) {
        FakeLabel label;
        EXPECT_EQ(errorOf([&] { launcher.startBoardFunction(QString::fromUtf8(text), label); }), number)
            << text;
        EXPECT_TRUE(label.pointers.isEmpty() || label.pointers.last() == QStringLiteral("hand")) << text;
    }
    EXPECT_TRUE(calls.dictionaries.empty());
}

TEST_F(LauncherTest, AMenuStartCountsTheClickFirstAndStartsThroughTheService) {
    launcher.startMenuFunction(QStringLiteral("100;Biz.gl;gl;x;凭证录入;1"), 17);
    EXPECT_EQ(calls.log.first(), kClickCountUpdate + QStringLiteral("17"));
    EXPECT_EQ(board.flags, (QStringList{"false", "true"}));
    ASSERT_EQ(calls.dictionaries.size(), 1u);
    EXPECT_EQ(calls.dictionaries[0]->keys(),
              (QStringList{"FUNCID", "FClassName", "FSubSystemID", "OTHERPARAM", "FFuncName", "FFuncType"}));
    EXPECT_EQ(calls.dictionaries[0]->item("FFuncType"), Variant(true));
}

TEST_F(LauncherTest, OtherClassesStartNothingButTheClickIsCounted) {
    for (const char* className : {"OtherTools", "OTHER", "other.x"}) {
        calls.log.clear();
        board.flags.clear();
        launcher.startMenuFunction(QStringLiteral("1;%1;gl;x;N;0").arg(QLatin1String(className)), -3);
        EXPECT_EQ(calls.log, QStringList{kClickCountUpdate + QStringLiteral("-3")}) << className;
        EXPECT_EQ(board.flags, QStringList{"true"});
    }
    EXPECT_TRUE(calls.dictionaries.empty());
}

TEST_F(LauncherTest, ABadMenuTextIsAnErrorAfterTheCount) {
    EXPECT_EQ(errorOf([&] { launcher.startMenuFunction(QStringLiteral("1;Biz.gl;gl;x;N"), 5); }),
              errnum::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { launcher.startMenuFunction(QStringLiteral("1;Biz.gl;gl;x;N;abc"), 5); }),
              errnum::TypeMismatch);
    EXPECT_EQ(calls.log, (QStringList{kClickCountUpdate + "5", kClickCountUpdate + "5"}));
    EXPECT_TRUE(calls.dictionaries.empty());
    // A menu start of a component without the role is reported, not raised.
    launcher.startMenuFunction(QStringLiteral("1;Plain.Object;gl;x;N;1"), 5);
    ASSERT_EQ(calls.reported.size(), 1u);
    EXPECT_EQ(calls.reported[0].number(), errnum::InvalidProcedureCall);
}

} // namespace
} // namespace zrk
