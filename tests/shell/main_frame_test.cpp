#include "board/board_window.h"
#include "core/roles/ledger_roles.h"
#include "launch/cache_wrapper.h"
#include "launch/hosted_form.h"
#include "launch_widgets/host_window_factory.h"
#include "session/session_properties.h"
#include "session/user_settings.h"
#include "shell/bar_menus.h"
#include "shell/console_bar_layout.h"
#include "shell/main_frame.h"
#include "shell/status_panels.h"
#include "support/report_catalogue.h"
#include "support/test_console.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
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
    ASSERT_TRUE(f.commandBar().index().has_value());
    EXPECT_TRUE(f.commandBar().index()->bands.contains(QStringLiteral("mnuSystem")));
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

// The launcher as the menus reach it: each favourite's start is recorded.
class RecordingLauncher : public IFunctionLauncher {
public:
    void doCallFunc(const QString&, const DictionaryPtr&) override {}
    void startBoardFunction(const QString&, IPointerTarget&) override {}
    void startMenuFunction(const QString& text, std::int32_t innerId) override {
        started << QStringLiteral("%1 %2").arg(text).arg(innerId);
    }
    QStringList started;
};

// A hosted control with a menu of its own, "编辑" with the tool "Find", which it hears when clicked.
class MenuControl : public Object, public IHostedControl, public IHostedFormEvents {
public:
    MenuControl() {
        ToolDefinition edit{QStringLiteral("mnuEdit"), QStringLiteral("编辑"), 901};
        edit.placement = 1;
        edit.subBand = QStringLiteral("mnuEdit");
        layout.bands = {{QStringLiteral("Menu"), kMenuBarBand, 0, {edit}},
                        {QStringLiteral("mnuEdit"),
                         kPopupBand,
                         0,
                         {{QStringLiteral("Find"), QStringLiteral("查找"), 902}}}};
    }
    QWidget* widget() override { return nullptr; }
    bool show(const std::shared_ptr<IHostedForm>& shown, const QList<Variant>&) override {
        form = shown;
        form->setEvents(this);
        form->setToolBar(layout);
        return true;
    }
    void notifyMessage(const QString&) override {}
    void propertyChanged(const QString&) override {}
    void toolBarClick(const QString& tool, bool&) override { clicks << tool; }

    ToolBarLayout layout;
    std::shared_ptr<IHostedForm> form;
    QStringList clicks;
};

class MainFrameMenusTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        auto& company = *console.ctx.session().companyConnection;
        company.execute(QStringLiteral(
            "create table t_UserMenuStore (FInnerID int not null primary key, FUserID int not null,"
            " FDetailFuncType smallint not null, FZRKSubID int not null default 0, FZRKIndex int not null "
            "default 0,"
            " FShowCaption nvarchar(255) not null, FDoFuncMnuParam nvarchar(512) not null,"
            " FClickCount int not null default 0, ForderIndex int not null default 0)"));
        company.execute(QStringLiteral(
            "insert into t_UserMenuStore (FInnerID, FUserID, FDetailFuncType, FShowCaption, FDoFuncMnuParam, "
            "ForderIndex) values (11, 16394, 1, N'销售订单', "
            "N'81;BillCenter.BillEdit;se;FTranType=81;销售订单;False', 2),"
            " (12, 16394, 1, N'采购订单', N'71;BillCenter.BillEdit;po;FTranType=71;采购订单;False', 1),"
            " (13, 16394, 3, N'库存台账', N'171;ReportViewer.SrvRptRetrieve;ic;FRptID=171;库存台账;True', 1),"
            " (14, 99, 2, N'别人的', N'x;y;z;w;v;True', 1)"));
        publishFromDictionary(
            console.ctx, Dictionary{{QStringLiteral("UserName"), QStringLiteral("老板")},
                                    {QStringLiteral("AcctName"), QStringLiteral("演示账套")},
                                    {QStringLiteral("PropsString"),
                                     QStringLiteral("ConnectString={Provider=SQLite;Data Source=") +
                                         console.folder() + QStringLiteral("/company.db};UserID=16394;")}});
        console.ctx.components().add(QStringLiteral("Ctl.Menus"), [this] { return control; });
    }

    MainFrame& startWithMenus() {
        MainFrame::Roles roles{login,
                               boards,
                               nullptr,
                               &launcher,
                               nullptr,
                               nullptr,
                               console.folder(),
                               [this](const QString& address) {
                                   opened << address;
                                   return true;
                               }};
        frame = std::make_unique<MainFrame>(console.ctx, roles);
        frame->load();
        frame->show();
        EXPECT_TRUE(QTest::qWaitFor([this] { return console.ctx.board().built; }, 5000));
        return *frame;
    }

    // The menu bar's menus by title, as the owner sees them.
    QStringList menuTitles() const {
        QStringList titles;
        for (QAction* action : frame->menuBar()->actions())
            titles << action->text();
        return titles;
    }

    // Opens the menu as a click on its title would, then closes it again.
    static void openAndClose(QMenu* menu) {
        menu->popup(QPoint(0, 0));
        menu->hide();
    }

    QStringList actionNames(QMenu* menu) const {
        QStringList names;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                names << (action->menu() ? action->menu()->objectName() : action->objectName());
        return names;
    }

    RecordingLauncher launcher;
    QStringList opened;
    std::shared_ptr<MenuControl> control = std::make_shared<MenuControl>();
};

TEST_F(MainFrameMenusTest, TheMenuBarShowsTheConsolesMenusWithTheFavouritesInTheirOrder) {
    MainFrame& f = startWithMenus();
    EXPECT_EQ(menuTitles(), (QStringList{"系统(&S)", "收藏(&A)", "窗口(&W)", "帮助(&H)"}));
    EXPECT_EQ(actionNames(f.menus().menu(QStringLiteral("mnuSystem"))),
              (QStringList{"ChangeSystem", "RefreshA", "mnuDataTransfer", "KillTaskByUserID", "Quit"}));
    QMenu* bills = f.menus().menu(kFavouriteBillBand);
    ASSERT_NE(bills, nullptr);
    EXPECT_EQ(actionNames(bills), (QStringList{"mnBillDetail12", "mnBillDetail11"}));
    EXPECT_EQ(bills->actions()[0]->text(), QStringLiteral("采购订单"));
    EXPECT_TRUE(actionNames(f.menus().menu(kFavouriteBookBand)).isEmpty()); // another user's
    EXPECT_EQ(actionNames(f.menus().menu(kFavouriteReportBand)), QStringList{"mnReportDetail13"});

    bills->actions()[1]->trigger();
    EXPECT_EQ(launcher.started, QStringList{"81;BillCenter.BillEdit;se;FTranType=81;销售订单;False 11"});
}

TEST_F(MainFrameMenusTest, EveryMenuClickEndsInItsActionOrAMessage) {
    MainFrame& f = startWithMenus();
    QStringList clicked;
    std::function<void(QMenu*)> clickThrough = [&](QMenu* menu) {
        openAndClose(menu);
        QList<QPointer<QAction>> actions;
        for (QAction* action : menu->actions())
            actions << action;
        for (const QPointer<QAction>& action : actions) {
            if (!action || action->isSeparator())
                continue;
            if (action->menu()) {
                clickThrough(action->menu());
                continue;
            }
            clicked << action->objectName();
            action->trigger();
            ASSERT_TRUE(f.isVisible()) << action->objectName().toStdString();
        }
    };
    for (QAction* top : f.menuBar()->actions())
        clickThrough(top->menu());

    QStringList expected;
    const Bar ownBar = consoleBar();
    for (const BandDefinition& band : ownBar.bands())
        for (const ToolDefinition& tool : band.tools)
            if (tool.subBand.isEmpty())
                expected << tool.name;
    for (const QString& name : expected)
        EXPECT_TRUE(clicked.contains(name)) << name.toStdString();
    EXPECT_TRUE(clicked.contains(QStringLiteral("MDIChild"))); // the window list's board
    EXPECT_EQ(launcher.started.size(), 3);
    // Quit asked and was answered no; the favourites editor and the about box showed their dialogs;
    // the report settings, the refresh settings and the import wait for the board's actions.
    EXPECT_TRUE(std::any_of(console.prompts.messages().begin(), console.prompts.messages().end(),
                            [](const auto& m) { return m.text.startsWith(QStringLiteral("是否确认退出")); }));
    const auto& dialogs = console.prompts.dialogTitles();
    EXPECT_NE(std::find(dialogs.begin(), dialogs.end(), QStringLiteral("收藏夹定制")), dialogs.end());
    EXPECT_TRUE(std::any_of(dialogs.begin(), dialogs.end(),
                            [](const QString& t) { return t.startsWith(QStringLiteral("关于")); }));
    EXPECT_EQ(logins, 1);          // ChangeSystem logged in again
    EXPECT_TRUE(opened.isEmpty()); // no web address configured, no help installed
    EXPECT_NE(f.board(), nullptr);
}

TEST_F(MainFrameMenusTest, ASavedFavouritesChangeRefillsTheMenusAndRefreshesTheSystem) {
    MainFrame& f = startWithMenus();
    console.prompts.queueDialog([](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstFavourites"));
        list->setCurrentRow(0);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdRemove")), Qt::LeftButton);
        return static_cast<int>(QDialog::Accepted);
    });
    QMenu* set = f.menus().menu(QStringLiteral("mnuSet"));
    ASSERT_NE(set, nullptr);
    for (QAction* action : set->actions())
        if (action->objectName() == QLatin1String("mnSetDetail"))
            action->trigger();
    EXPECT_EQ(actionNames(f.menus().menu(kFavouriteBillBand)), QStringList{"mnBillDetail11"});
    EXPECT_EQ(logins, 1); // the board was open: the system is refreshed with a new login
    EXPECT_TRUE(
        f.commandBar().index()->bands.value(kFavouriteBillBand).contains(QStringLiteral("mnBillDetail11")));
}

TEST_F(MainFrameMenusTest, AHostWindowsMenusMergeWhileItIsActiveAndTheWindowListSwitchesBack) {
    MainFrame& f = startWithMenus();
    HostWindowFactory hosts(console.ctx);
    IHostWindow* host = hosts.createHostWindow(f);
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(
        host->loadSubApp(QStringLiteral("Ctl.Menus"), QStringLiteral("应收款明细表"), false, nullptr));
    QMdiSubWindow* hostWindow = f.mdiArea()->subWindowList(QMdiArea::CreationOrder).back();
    f.mdiArea()->setActiveSubWindow(hostWindow);
    EXPECT_EQ(menuTitles(), (QStringList{"系统(&S)", "收藏(&A)", "编辑", "窗口(&W)", "帮助(&H)"}));
    QMenu* edit = f.menus().menu(QStringLiteral("mnuEdit"));
    ASSERT_NE(edit, nullptr);
    edit->actions().front()->trigger();
    EXPECT_EQ(control->clicks, QStringList{"Find"});

    QMenu* windows = f.menus().menu(kWindowBand);
    openAndClose(windows);
    QStringList list;
    for (QAction* action : windows->actions())
        if (action->objectName() == kWindowListTool)
            list << QStringLiteral("%1 %2 %3")
                        .arg(action->property("toolId").toInt())
                        .arg(action->text())
                        .arg(action->isChecked());
    EXPECT_EQ(list, (QStringList{"400 主界面 0", "401 应收款明细表 1"}));

    for (QAction* action : windows->actions())
        if (action->objectName() == kWindowListTool && action->property("toolId").toInt() == 400) {
            action->trigger();
            break;
        }
    EXPECT_NE(f.mdiArea()->activeSubWindow(), hostWindow);
    EXPECT_EQ(menuTitles(), (QStringList{"系统(&S)", "收藏(&A)", "窗口(&W)", "帮助(&H)"}));
}

TEST_F(MainFrameMenusTest, CaptionsSwitchedOffComeBackAfterARestart) {
    ToolDefinition view{QStringLiteral("mnuView"), QStringLiteral("查看"), 951};
    view.subBand = QStringLiteral("mnuView");
    view.placement = 1;
    ToolDefinition showCaption{QStringLiteral("ShowCaption"), QStringLiteral("显示文字"), 952};
    showCaption.checked = true;
    control->layout.bands = {
        {QStringLiteral("Menu"), kMenuBarBand, 0, {view}},
        {QStringLiteral("mnuView"), kPopupBand, 0, {showCaption}},
        {QStringLiteral("bndTool"), kPlainToolBand, 0, {{QStringLiteral("Save"), QString(), 953}}}};
    const auto viewFlag = [this] {
        return getUserSetting(console.ctx, QStringLiteral("EBO"), QStringLiteral("ToolBar"),
                              QStringLiteral("ViewFlag"), QString())
            .toString();
    };
    const auto saveDisplay = [this] { return control->form->toolBar().bands[2].tools[0].displayFlags; };
    for (int run = 0; run < 2; ++run) {
        MainFrame& f = startWithMenus(); // the second run is a restart over the same settings
        EXPECT_EQ(viewFlag(), QStringLiteral("1")) << run;
        HostWindowFactory hosts(console.ctx);
        IHostWindow* host = hosts.createHostWindow(f);
        ASSERT_TRUE(host->loadSubApp(QStringLiteral("Ctl.Menus"), QStringLiteral("科目"), false, nullptr));
        f.mdiArea()->setActiveSubWindow(f.mdiArea()->subWindowList(QMdiArea::CreationOrder).back());
        QMenu* viewMenu = f.menus().menu(QStringLiteral("mnuView"));
        ASSERT_NE(viewMenu, nullptr);
        openAndClose(viewMenu);
        QAction* toggle = viewMenu->actions().front();
        EXPECT_TRUE(toggle->isChecked()) << run;
        EXPECT_EQ(saveDisplay(), 34) << run;
        if (run == 0) {
            toggle->trigger();
            EXPECT_EQ(viewFlag(), QStringLiteral("0"));
            EXPECT_FALSE(toggle->isChecked());
            EXPECT_EQ(saveDisplay(), 16);
        }
    }
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
