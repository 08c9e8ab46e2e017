#include "board/board_window.h"
#include "core/roles/ledger_roles.h"
#include "launch/cache_wrapper.h"
#include "session/session_properties.h"
#include "session/user_settings.h"
#include "shell/main_frame.h"
#include "shell/status_panels.h"
#include "support/report_catalogue.h"
#include "support/test_console.h"

#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace zrk {
namespace {

// The account set's parameters as a plain table; a key listed in failing raises.
struct Books {
    std::map<QString, QString> profile;
    QString failing;
    QString company = QStringLiteral("华东贸易有限公司");
    int year = 2026;
    int period = 12;
    int refreshes = 0;
};

class FakeProfile : public ISystemProfileView {
public:
    explicit FakeProfile(Books& books) : books_(books) {}
    QString companyName() override { return books_.company; }
    Variant getSystemProfile(const QString& section, const QString& key,
                             const Variant& defaultValue) override {
        const QString name = section + QLatin1Char('/') + key;
        if (name == books_.failing)
            throw Error(3021, QStringLiteral("LedgerView.GLData"), QStringLiteral("no such row"));
        const auto it = books_.profile.find(name);
        return it == books_.profile.end() ? defaultValue : Variant(it->second);
    }

private:
    Books& books_;
};

class FakeLedger : public Object, public ILedgerData {
public:
    explicit FakeLedger(Books& books) : books_(books) {}
    void refresh(bool) override { ++books_.refreshes; }
    std::shared_ptr<ISystemProfileView> systemProfile() override {
        return std::make_shared<FakeProfile>(books_);
    }
    std::int32_t glGetCurrentYear() override { return books_.year; }
    std::int32_t glGetCurrentPeriod() override { return books_.period; }

private:
    Books& books_;
};

// The owner's login as the frame sees it: each call answers through the test's function.
class ScriptedLogin : public IConsoleLogin {
public:
    std::function<std::int32_t(bool, bool)> answer;
    std::int32_t loginConsole(bool doLogin, bool force) override { return answer(doLogin, force); }
};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        books.profile = {{QStringLiteral("IC/CurrentYear"), QStringLiteral("2026")},
                         {QStringLiteral("IC/CurrentPeriod"), QStringLiteral("11")},
                         {QStringLiteral("CN/CN_CURRENT_YEAR"), QStringLiteral("2026")},
                         {QStringLiteral("CN/CN_CURRENT_PERIOD"), QStringLiteral("10")}};
        console.ctx.components().add(kLedgerDataProgId,
                                     [this] { return std::make_shared<FakeLedger>(books); });
        publishFromDictionary(console.ctx,
                              Dictionary{{QStringLiteral("UserName"), QStringLiteral("老板")},
                                         {QStringLiteral("AcctName"), QStringLiteral("  演示账套 ")}});
        console.ctx.session().companyConnection = test::companyWithReportCatalogue(console.folder());
        login.answer = [this](bool, bool) {
            ++logins;
            return -1;
        };
    }

    // Loads and shows the frame, as start-up does, and waits for the board to be built.
    MainFrame& start() {
        frame = std::make_unique<MainFrame>(console.ctx, MainFrame::Roles{login, boards});
        frame->load();
        frame->show();
        EXPECT_TRUE(QTest::qWaitFor([this] { return console.ctx.board().built; }, 5000));
        return *frame;
    }

    QString cached(const QString& key) {
        return CacheWrapper(console.ctx)
            .getItem(QStringLiteral("Sys_PeriodStringList"), key, Variant(QStringLiteral("<none>")))
            .toString();
    }

    test::TestConsole console;
    Books books;
    int logins = 0;
    ScriptedLogin login;
    BoardWindowFactory boards{console.ctx};
    std::unique_ptr<MainFrame> frame;
};

TEST_F(MainFrameTest, LoadShowsCaptionStatusBarAndTheBuiltBoard) {
    MainFrame& f = start();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("QuorvelZRKNimbra老板报表 - [主界面]"));
    EXPECT_EQ(f.statusString(), QStringLiteral("就绪"));
    EXPECT_EQ(f.panels().text(StatusPanels::kCompany), QStringLiteral("华东贸易有限公司"));
    EXPECT_EQ(f.panels().text(StatusPanels::kAccountSet), QStringLiteral("演示账套"));
    EXPECT_EQ(f.periodString(), QStringLiteral("2026年第11期"));
    EXPECT_EQ(f.panels().text(StatusPanels::kUser), QStringLiteral("老板"));
    EXPECT_EQ(f.panels().panel(StatusPanels::kPeriod)->property("key").toString(), QStringLiteral("period"));
    EXPECT_EQ(getUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ToolBar"),
                             QStringLiteral("ViewFlag"), QString()),
              Variant(QStringLiteral("1")));
    ASSERT_NE(f.board(), nullptr);
    EXPECT_TRUE(f.board()->ownerLines().value(0).startsWith(QStringLiteral("常用资料: ")))
        << f.board()->ownerLines().value(0).toStdString();
    EXPECT_TRUE(f.board()->widget()->findChild<QLabel*>(QStringLiteral("lblLeft0")));
    EXPECT_TRUE(f.bandIndex()->contains(QStringLiteral("Bar")));
}

TEST_F(MainFrameTest, EveryModulesPeriodIsCached) {
    start();
    const std::pair<const char*, const char*> expected[] = {
        {"cg", "采购管理：2026年第11期"},   {"xs", "销售管理：2026年第11期"},
        {"cc", "仓存管理：2026年第11期"},   {"hs", "存货核算：2026年第11期"},
        {"arap", "应收应付：2026年第11期"}, {"cn", "出纳管理：2026年第10期"},
        {"gl", "账务处理：2026年第12期"},   {"pa", "工资管理：2026年第12期"},
        {"fa", "固定资产：2026年第12期"},
    };
    for (const auto& [key, text] : expected)
        EXPECT_EQ(cached(QString::fromLatin1(key)), QString::fromUtf8(text)) << key;
}

TEST_F(MainFrameTest, ApplicationTypeOneShowsTheBusinessPeriodForTheLedger) {
    console.ctx.scheme().loaded = true;
    console.ctx.scheme().appType = 1;
    books.profile.clear(); // missing values read as year 0000 and period 0
    books.year = 7;
    start();
    EXPECT_EQ(cached(QStringLiteral("gl")), QStringLiteral("业务：0000年第0期"));
    EXPECT_EQ(cached(QStringLiteral("cn")), QStringLiteral("出纳管理：0000年第0期"));
    EXPECT_EQ(cached(QStringLiteral("pa")), QStringLiteral("工资管理：0007年第12期"));
}

TEST_F(MainFrameTest, AFailingProfileEndsTheStatusBarAtThatStep) {
    books.failing = QStringLiteral("CN/CN_CURRENT_YEAR");
    start();
    EXPECT_EQ(cached(QStringLiteral("arap")), QStringLiteral("应收应付：2026年第11期"));
    EXPECT_EQ(cached(QStringLiteral("cn")), QStringLiteral("<none>"));
    EXPECT_EQ(frame->panels().text(StatusPanels::kUser), QString()); // later panels keep their old texts
    EXPECT_EQ(frame->panels().text(StatusPanels::kAccountSet), QStringLiteral("演示账套"));
}

TEST_F(MainFrameTest, StatusTextAndModulePeriod) {
    MainFrame& f = start();
    f.setStatusString(QStringLiteral("正在计算"));
    EXPECT_EQ(f.statusString(), QStringLiteral("正在计算"));
    f.setStatusString(QString());
    EXPECT_EQ(f.statusString(), QStringLiteral("就绪"));
    f.setModuleAndPeriod(QStringLiteral("销售"), QStringLiteral("P1"), 1);
    EXPECT_EQ(f.moduleText(), QStringLiteral("销售"));
    EXPECT_EQ(f.periodString(), QStringLiteral("P1"));
    f.setModuleAndPeriod(QStringLiteral("采购"), QStringLiteral("P2"), 2);
    EXPECT_EQ(f.moduleText(), QStringLiteral("销售"));
    EXPECT_EQ(f.periodString(), QStringLiteral("P2"));
}

TEST_F(MainFrameTest, ClosingAsksAndAnswerNoKeepsEverythingOpen) {
    MainFrame& f = start();
    console.prompts.queueAnswer(MessageAnswer::No);
    EXPECT_FALSE(f.close());
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text, QStringLiteral("是否确认退出QuorvelZRKNimbra老板报表？"));
    EXPECT_EQ(console.prompts.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(f.isVisible());
    EXPECT_NE(f.board(), nullptr);

    CacheWrapper(console.ctx).add(QStringLiteral("Funcs"), QStringLiteral("k"), 1, QString());
    console.prompts.queueAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(console.ctx.cache().entries.empty()); // the console's cache is emptied on unload
}

TEST_F(MainFrameTest, AClosingRequestWhileTheBoardLoadsIsRefusedWithoutAQuestion) {
    frame = std::make_unique<MainFrame>(console.ctx, MainFrame::Roles{login, boards});
    frame->show(); // not loaded: no board yet
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(console.prompts.messages().empty());
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(MainFrameTest, TheBoardRefusesItsOwnCloseButtonAndARefreshReopensIt) {
    MainFrame& f = start();
    QPointer<QMdiSubWindow> boardFrame = f.mdiArea()->subWindowList().front();
    EXPECT_FALSE(boardFrame->close());
    EXPECT_EQ(f.mdiArea()->subWindowList().size(), 1);

    f.refreshSystem(false); // no login asked, a new board built from the account set
    EXPECT_TRUE(boardFrame.isNull());
    EXPECT_EQ(f.mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(console.ctx.board().built);
    EXPECT_EQ(logins, 0);
    EXPECT_EQ(books.refreshes, 1);
}

TEST_F(MainFrameTest, TheUserPanelLogsInAgainOnceAtATime) {
    MainFrame& f = start();
    QLabel* user = f.panels().panel(StatusPanels::kUser);
    EXPECT_EQ(user->toolTip(), QStringLiteral("用户名称"));
    bool clickedDuringLogin = false;
    login.answer = [&](bool doLogin, bool force) {
        EXPECT_TRUE(doLogin && force);
        ++logins;
        EXPECT_EQ(user->toolTip(), QString());
        if (!clickedDuringLogin) {
            clickedDuringLogin = true;
            QTest::mouseClick(user, Qt::LeftButton); // a second click while the first is running
        }
        return -1;
    };
    QTest::mouseClick(user, Qt::LeftButton);
    EXPECT_EQ(logins, 1);
    EXPECT_EQ(user->toolTip(), QStringLiteral("用户名称"));
    EXPECT_TRUE(console.ctx.board().built);
    EXPECT_EQ(books.refreshes, 1);
}

TEST(MainFrameSize, IsAtLeast800By600AtNinetySixDotsPerInch) {
    EXPECT_EQ(MainFrame::minimumFrameSize(96), QSize(800, 600));
    EXPECT_EQ(MainFrame::minimumFrameSize(120), QSize(1000, 750));
    EXPECT_EQ(MainFrame::minimumFrameSize(144), QSize(1200, 900));
    test::TestConsole console;
    ScriptedLogin login;
    BoardWindowFactory boards{console.ctx};
    MainFrame frame(console.ctx, MainFrame::Roles{login, boards});
    frame.show();
    frame.resize(300, 200);
    EXPECT_GE(frame.width(), MainFrame::minimumFrameSize(frame.logicalDpiY()).width());
    EXPECT_GE(frame.height(), MainFrame::minimumFrameSize(frame.logicalDpiY()).height());
}

} // namespace
} // namespace zrk
