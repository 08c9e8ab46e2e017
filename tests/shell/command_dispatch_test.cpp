#include "core/roles/board_roles.h"
#include "core/roles/component_roles.h"
#include "core/roles/data_roles.h"
#include "core/roles/menu_roles.h"
#include "launch/function_launcher.h"
#include "launch/hosted_form.h"
#include "session/installation.h"
#include "session/session_properties.h"
#include "session/user_settings.h"
#include "shell/command_dispatch.h"
#include "shell/console_bar_layout.h"
#include "shell/help_pages.h"
#include "support/core_console.h"
#include "support/map_prop_store.h"

#include <QDir>
#include <QFile>
#include <QUrl>
#include <gtest/gtest.h>
#include <map>

namespace zrk {
namespace {

// What the suite's components and the frame were told, one line each.
struct Calls {
    QStringList log;
};

// The per-user settings and the registry over one table, as the suite keeps them.
class FakeSettings : public Object, public IRegistry, public IUserProfile {
public:
    FakeSettings(std::map<QString, Variant>& values, QString installDir)
        : values_(values), installDir_(std::move(installDir)) {}
    Variant getKeyValue(const QString&, const QString& name, const QString&) override {
        return name == QLatin1String("Path") ? Variant(installDir_) : Variant(QString());
    }
    void setKeyValue(const QString&, const QString&, const Variant&) override {}
    void deleteValue(const QString&, const QString&) override {}
    void saveSetting(const QString& app, const QString& section, const QString& key,
                     const Variant& value) override {
        values_[app + QLatin1Char('/') + section + QLatin1Char('/') + key] = value;
    }
    void load(const QString& app, const QString& section) override {
        group_ = app + QLatin1Char('/') + section + QLatin1Char('/');
        loaded_ = std::make_shared<Dictionary>();
        for (const auto& [key, value] : values_)
            if (key.startsWith(group_))
                loaded_->set(key.mid(group_.size()), value);
    }
    std::shared_ptr<Dictionary> dictionary() override { return loaded_; }
    void save(const QString&, const QString&) override {}

private:
    std::map<QString, Variant>& values_;
    QString installDir_;
    QString group_;
    std::shared_ptr<Dictionary> loaded_ = std::make_shared<Dictionary>();
};

// The suite's components the menus start, recording their calls.
class FakeSuite : public Object,
                  public IAboutBox,
                  public IMenuStore,
                  public IAppConnection,
                  public ISystemProfile {
public:
    explicit FakeSuite(Calls& calls) : calls_(calls) {}
    void show(const ObjectPtr&) override { calls_.log << QStringLiteral("about"); }
    DictionaryPtr showSetting(DictionaryPtr& params) override {
        calls_.log << QStringLiteral("editor");
        lastParams = params;
        auto answer = std::make_shared<Dictionary>();
        answer->set(QStringLiteral("isSetting"), changes);
        return answer;
    }
    db::RecordsetPtr execute(const QString&) override { return nullptr; }
    void execute3(const QString& sql) override { calls_.log << sql; }
    Variant getProfile(const QString&, const QString& category, const QString& key) override {
        return category == QLatin1String("General") && key == QLatin1String("CompanyName")
                   ? Variant(QStringLiteral("华东 贸易&公司"))
                   : Variant();
    }

    DictionaryPtr lastParams;
    bool changes = false;

private:
    Calls& calls_;
};

class FakeBoardActions : public IBoardActions, public IBoardRefresh {
public:
    explicit FakeBoardActions(Calls& calls) : calls_(calls) {}
    void setReport() override { calls_.log << QStringLiteral("board setReport"); }
    void importReports() override { calls_.log << QStringLiteral("board importReports"); }
    IBoardRefresh& refresh() override { return *this; }
    void setAutoRefresh(bool, std::int32_t) override {}

private:
    Calls& calls_;
};

class FakeDialogs : public ISettingsDialogs {
public:
    FakeDialogs(Calls& calls, IBoardRefresh& expected) : calls_(calls), expected_(expected) {}
    bool showReportSettings(QWidget*) override { return false; }
    void showRefreshSettings(QWidget*, IBoardRefresh& board) override {
        calls_.log << QStringLiteral("refresh dialog of the board %1").arg(&board == &expected_);
    }

private:
    Calls& calls_;
    IBoardRefresh& expected_;
};

class RecordingLauncher : public IFunctionLauncher {
public:
    explicit RecordingLauncher(Calls& calls) : calls_(calls) {}
    void doCallFunc(const QString&, const DictionaryPtr&) override {}
    void startBoardFunction(const QString&, IPointerTarget&) override {}
    void startMenuFunction(const QString& text, std::int32_t innerId) override {
        calls_.log << QStringLiteral("start %1 %2").arg(text).arg(innerId);
    }

private:
    Calls& calls_;
};

// The frame: its windows, what it was asked, and what it shows.
class FakeFrame : public IBarView, public ICommandFrame {
public:
    explicit FakeFrame(Calls& calls) : calls_(calls) {}
    void showBar(const Bar&) override { ++barsShown; }
    void showBand(const Bar&, const QString& band) override { calls_.log << QStringLiteral("band ") + band; }
    void showToolStates(const Bar&) override {}
    void suspendUpdates(bool) override {}
    QList<ChildWindowEntry> childWindows() const override { return children; }
    ActiveChild activeChild() const override { return active; }
    std::shared_ptr<IHostedForm> activeHostedForm() const override {
        return active == ActiveChild::Host ? form : nullptr;
    }
    void relayoutActiveChild() override { calls_.log << QStringLiteral("relayout"); }
    void quit() override { calls_.log << QStringLiteral("quit"); }
    void refreshSystem(bool relogin) override {
        calls_.log << QStringLiteral("refreshSystem %1").arg(relogin);
    }
    void activateChild(int index) override { calls_.log << QStringLiteral("activate %1").arg(index); }
    void arrangeChildren(int style) override { calls_.log << QStringLiteral("arrange %1").arg(style); }
    QWidget* dialogParent() override { return nullptr; }
    bool openAddress(const QString& address) override {
        calls_.log << QStringLiteral("open ") + address;
        return true;
    }
    void setStatusString(const QString& text) override { calls_.log << QStringLiteral("status ") + text; }

    QList<ChildWindowEntry> children;
    ActiveChild active = ActiveChild::None;
    std::shared_ptr<HostedForm> form = std::make_shared<HostedForm>();
    int barsShown = 0;

private:
    Calls& calls_;
};

// Records the tools a hosted form's clicks name.
class FormEvents : public IHostedFormEvents {
public:
    explicit FormEvents(Calls& calls) : calls_(calls) {}
    void propertyChanged(const QString& name) override {
        calls_.log << QStringLiteral("form changed ") + name;
    }
    void toolBarClick(const QString& tool, bool&) override {
        calls_.log << QStringLiteral("form click ") + tool;
    }

private:
    Calls& calls_;
};

class CommandDispatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ConsoleContext& ctx = console.ctx;
        ctx.texts().languageCode = 1;
        auto& components = ctx.components();
        const QString install = console.dir.path();
        components.add(kRegistryProgId,
                       [this, install] { return std::make_shared<FakeSettings>(settings, install); });
        components.add(kUserProfileProgId,
                       [this, install] { return std::make_shared<FakeSettings>(settings, install); });
        components.add(kPropStoreProgId, [this] { return std::make_shared<test::MapPropStore>(props); });
        for (const QString& progId :
             {kAboutBoxProgId, kMenuStoreProgId, kAppConnectionProgId, kSystemProfileProgId})
            components.add(progId, [this] { return suite; });
        props[QStringLiteral("PropsString")] = QStringLiteral(
            "ConnectString={Provider=SQLite;Data Source=x.db;Initial Catalog=abc};UserID=16394;SubID=gl;");
        props[QStringLiteral("AcctName")] = QStringLiteral("演示账套");
        frame.form->setEvents(&events);
        bar.buildIndex();
    }

    CommandDispatcher dispatcher(IFunctionLauncher* launcher = nullptr) {
        return CommandDispatcher(
            console.ctx, bar, frame, frame,
            MenuRoles{launcher ? launcher : &recording, &board, &dialogs, console.dir.path()});
    }
    ToolDefinition own(const char* name) {
        ToolDefinition* tool = bar.bar().tool(QString::fromLatin1(name));
        EXPECT_NE(tool, nullptr) << name;
        return tool ? *tool : ToolDefinition{};
    }
    static ToolDefinition tool(const char* name, int id, const char* text = "", int number = 0) {
        ToolDefinition t;
        t.name = QString::fromLatin1(name);
        t.id = id;
        t.tagText = QString::fromUtf8(text);
        t.tagNumber = number;
        return t;
    }
    void writeScheme(const QString& lines) {
        QDir(console.dir.path()).mkpath(QStringLiteral("Common"));
        QFile file(console.dir.path() + QStringLiteral("/Common/") + kSchemeFileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines.toUtf8());
    }

    test::CoreConsole console;
    Calls calls;
    std::map<QString, Variant> settings;
    std::map<QString, Variant> props;
    std::shared_ptr<FakeSuite> suite = std::make_shared<FakeSuite>(calls);
    FakeFrame frame{calls};
    FormEvents events{calls};
    FakeBoardActions board{calls};
    FakeDialogs dialogs{calls, board};
    RecordingLauncher recording{calls};
    BarPresenter bar{console.ctx, frame, consoleBar()};
};

TEST_F(CommandDispatchTest, EveryCommandOfTheConsoleEndsInItsAction) {
    writeScheme(
        QStringLiteral("[WebLinks]\nForum=https://forum.example\nOnlineService=https://service.example\n"));
    struct Case {
        ToolDefinition tool;
        QStringList log;
    };
    const Case cases[] = {
        {own("KillTaskByUserID"), {"board setReport"}},
        {own("Quit"), {"quit"}},
        {own("ChangeSystem"), {"refreshSystem 1"}},
        {own("Accumulation"), {}},
        {own("RefreshA"), {"refresh dialog of the board 1"}},
        {own("About"), {"about"}},
        {tool("MDIChild", 401, "", 2), {"activate 2"}},
        {tool("Arrange", 0, "", 3), {"arrange 3"}},
        {own("ZrkLink"), {"open https://forum.example"}},
        {tool("Zrk_OnLine", 0), {"open https://service.example"}},
        {tool("MainStyle", 0), {}},
        {own("mnuDataTransfer"), {"board importReports"}},
        {tool("Import", 0), {"board importReports"}},
        {tool("mnBillDetail7", 1007, "81;Bill.Edit;se;p;销售订单;False", 7),
         {"start 81;Bill.Edit;se;p;销售订单;False 7"}},
        {tool("MNUSETUP", 1008, "x", 8), {"start x 8"}},
        {tool("mnReportDetail3", 1009, "r", 3), {"start r 3"}},
        {own("mnSetDetail"), {"editor"}},
    };
    auto commands = dispatcher();
    for (const Case& c : cases) {
        calls.log.clear();
        commands.barClick(c.tool);
        EXPECT_EQ(calls.log, c.log) << c.tool.name.toStdString();
    }
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(CommandDispatchTest, CommandsWhoseRolesAreNotWiredDoNothing) {
    CommandDispatcher commands(console.ctx, bar, frame, frame, MenuRoles{});
    for (const char* name : {"KillTaskByUserID", "RefreshA", "mnuDataTransfer"})
        commands.barClick(own(name));
    commands.barClick(tool("Import", 0));
    commands.barClick(tool("mnBillDetail1", 1001, "a;b;c;d;e;True", 1));
    EXPECT_TRUE(calls.log.isEmpty());
}

TEST_F(CommandDispatchTest, OtherToolsGoToTheActiveHostedFormUnlessTheConsoleKnowsTheirId) {
    auto commands = dispatcher();
    const ToolDefinition quitId = tool("Quit", own("Quit").id);
    const ToolDefinition known = tool("Save", own("About").id); // a console id under another name
    const ToolDefinition unknown = tool("Save", 9999);
    const ToolDefinition window = tool("MDIChild", 9998);
    struct Case {
        ActiveChild active;
        ToolDefinition tool;
        QStringList log;
    };
    const Case cases[] = {
        {ActiveChild::Host, unknown, {"form click Save"}},
        {ActiveChild::Host, known, {"form click Save"}},
        {ActiveChild::Board, unknown, {}},
        {ActiveChild::None, unknown, {}},
        {ActiveChild::Host, window, {"activate 0"}},
        {ActiveChild::Host, quitId, {"quit"}},
    };
    for (const Case& c : cases) {
        calls.log.clear();
        frame.active = c.active;
        commands.barClick(c.tool);
        EXPECT_EQ(calls.log, c.log) << c.tool.name.toStdString() << static_cast<int>(c.active);
    }
    // A tool recorded in the index under its own name is the console's: nothing happens.
    ToolDefinition favourite = tool("Extra", 5000);
    bar.changeOwnTools(
        [&favourite](Bar& b) { b.band(QStringLiteral("mnuHelp"))->tools.push_back(favourite); });
    calls.log.clear();
    frame.active = ActiveChild::Host;
    commands.barClick(favourite);
    EXPECT_TRUE(calls.log.isEmpty());
}

TEST_F(CommandDispatchTest, AFavouriteOfClassOtherCountsItsClickAndABadLaunchTextEndsTheClick) {
    bool started = false;
    FunctionLauncher launcher(console.ctx, LauncherRoles{[&started] {
                                                             started = true;
                                                             return std::shared_ptr<IQVMainService>();
                                                         },
                                                         [] { return static_cast<IBoard*>(nullptr); }});
    auto commands = dispatcher(&launcher);
    commands.barClick(tool("mnBookDetail4", 1004, "1;OtherTools.Note;gl;p;便笺;False", 4));
    EXPECT_EQ(calls.log,
              QStringList{"update t_UserMenuStore set FClickCount = FClickCount+1 where FInnerID=4"});
    EXPECT_FALSE(started);

    calls.log.clear();
    commands.barClick(tool("mnBillDetail5", 1005, "1;Bill.Edit;se;p", 5)); // four fields
    EXPECT_EQ(calls.log,
              QStringList{"update t_UserMenuStore set FClickCount = FClickCount+1 where FInnerID=5"});
    EXPECT_FALSE(started);
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(CommandDispatchTest, TheFavouritesEditorGetsItsParametersAndASavedChangeRefreshesTheSystem) {
    auto commands = dispatcher();
    frame.active = ActiveChild::None;
    suite->changes = true;
    commands.barClick(own("mnSetDetail"));
    ASSERT_TRUE(suite->lastParams);
    const Dictionary& p = *suite->lastParams;
    EXPECT_EQ(p.keys(), (QStringList{"CnnStr", "UserID", "AcctName", "AcctID"}));
    EXPECT_EQ(p.value(QStringLiteral("CnnStr"), QString()).toString(),
              QStringLiteral("Provider=SQLite;Data Source=x.db;Initial Catalog=abc"));
    EXPECT_EQ(p.value(QStringLiteral("UserID"), QString()).toString(), QStringLiteral("16394"));
    EXPECT_EQ(p.value(QStringLiteral("AcctName"), QString()).toString(), QStringLiteral("演示账套"));
    EXPECT_EQ(p.value(QStringLiteral("AcctID"), QString()).toString(),
              console.dir.path() + QStringLiteral("/abc.dat"));
    EXPECT_FALSE(calls.log.contains(QStringLiteral("refreshSystem 1"))); // no child: nothing to refresh

    frame.active = ActiveChild::Board;
    calls.log.clear();
    commands.barClick(own("mnSetDetail"));
    EXPECT_EQ(calls.log, (QStringList{"editor", "refreshSystem 1"}));

    suite->changes = false;
    calls.log.clear();
    commands.barClick(own("mnSetDetail"));
    EXPECT_EQ(calls.log, QStringList{"editor"});
}

TEST_F(CommandDispatchTest, TheCatalogInTheMiddleOfTheConnectionKeepsItsLastLetter) {
    props[QStringLiteral("PropsString")] =
        QStringLiteral("ConnectString={Initial Catalog=abc;Data Source=x.db};UserID=7;");
    auto commands = dispatcher();
    commands.barClick(own("mnSetDetail"));
    ASSERT_TRUE(suite->lastParams);
    EXPECT_EQ(suite->lastParams->value(QStringLiteral("AcctID"), QString()).toString(),
              console.dir.path() + QStringLiteral("/abc.dat"));
}

TEST_F(CommandDispatchTest, TheWindowMenuListsTheChildrenWhenItOpens) {
    frame.children = {{QStringLiteral("主界面"), true, false}, {QStringLiteral(" 科目 "), false, true}};
    bar.bandOpened(kWindowBand);
    EXPECT_EQ(calls.log, QStringList{"band mnuWindow"});
    const BandDefinition* band = bar.bar().band(kWindowBand);
    ASSERT_EQ(band->tools.size(), 6);
    EXPECT_EQ(band->tools[5].caption, QStringLiteral("科目"));
    EXPECT_EQ(band->tools[5].id, 401);
    EXPECT_TRUE(band->tools[5].checked);
}

TEST_F(CommandDispatchTest, CaptionsSwitchOffAndOnAndTheViewMenuReadsTheStoredState) {
    ToolBarLayout layout;
    ToolDefinition showCaption = tool("ShowCaption", 950);
    showCaption.checked = true;
    layout.bands = {{kViewBand, kPopupBand, 0, {showCaption}, QStringLiteral("查看")},
                    {kHostedToolBand, kPlainToolBand, 0, {tool("Save", 951)}}};
    frame.form->replaceToolBar(layout);
    frame.active = ActiveChild::Host;
    bar.setToolBar(&layout);
    auto commands = dispatcher();
    const auto stored = [this] { return settings[QStringLiteral("EBO/ToolBar/ViewFlag")].toString(); };

    commands.barClick(own("ShowCaption"));
    EXPECT_EQ(stored(), QStringLiteral("0"));
    EXPECT_FALSE(own("ShowCaption").checked);
    EXPECT_EQ(frame.form->toolBar().bands[1].tools[0].displayFlags, 16);
    EXPECT_TRUE(calls.log.contains(QStringLiteral("form changed ToolBar")));
    EXPECT_TRUE(calls.log.contains(QStringLiteral("relayout")));

    commands.barClick(own("ShowCaption"));
    EXPECT_EQ(stored(), QStringLiteral("-1"));
    EXPECT_TRUE(own("ShowCaption").checked);
    EXPECT_EQ(frame.form->toolBar().bands[1].tools[0].displayFlags, 34);

    commands.barClick(own("ShowCaption"));
    EXPECT_EQ(stored(), QStringLiteral("0"));
    // A restart stores "1" (the frame's load); opening the View menu then shows the captions.
    settings[QStringLiteral("EBO/ToolBar/ViewFlag")] = QStringLiteral("1");
    bar.bandOpened(kViewBand);
    EXPECT_TRUE(own("ShowCaption").checked);
    EXPECT_EQ(frame.form->toolBar().bands[1].tools[0].displayFlags, 34);
    EXPECT_EQ(frame.form->toolBar().bands[1].tools[0].captionPosition, 4);
}

TEST_F(CommandDispatchTest, MergingSetsTheCustomisationTextsAndRemovalRestoresTheConsolesBar) {
    ToolBarLayout layout;
    layout.bands = {{kMenuBarName, kMenuBarBand, 0, {tool("mnuEdit", 960)}}};
    layout.bands[0].tools[0].placement = 1;
    bar.setToolBar(&layout);
    EXPECT_TRUE(bar.customisation().localeString.startsWith(QStringLiteral("自定义;工具栏;命令;")));
    EXPECT_TRUE(bar.customisation().localeString.endsWith(QStringLiteral("请输入其他名称。;")));
    EXPECT_EQ(bar.customisation().fontName, QStringLiteral("宋体"));
    EXPECT_EQ(bar.customisation().fontSize, 9);
    EXPECT_EQ(bar.bar().band(kMenuBarName)->tools.size(), 5);
    bar.setToolBar(nullptr);
    EXPECT_EQ(bar.bar().bands(), consoleBar().bands());
}

TEST_F(CommandDispatchTest, WebLinksWithoutAnAddressOpenNothingAndSayWhy) {
    auto commands = dispatcher();
    commands.barClick(own("ZrkLink"));
    EXPECT_EQ(calls.log, QStringList{"status 没有配置该网页的地址"});

    writeScheme(QStringLiteral("[WebLinks]\nLoginSite=https://login.example\nProductNumber=ZRK-01\n"));
    calls.log.clear();
    commands.openWebLink(WebLink::WebLogin);
    EXPECT_EQ(
        calls.log,
        QStringList{QStringLiteral("open https://login.example/zrkpro/login.do?userName=ZRK-01&realName=") +
                    QString::fromUtf8(QUrl::toPercentEncoding(QStringLiteral("华东 贸易&公司")))});
}

TEST_F(CommandDispatchTest, TheWebLoginOpensTheHomePageOrTheLoginAndAlwaysAnswersFalse) {
    writeScheme(QStringLiteral("[WebLinks]\nHomePage=https://home.example\nLoginSite=https://login.example\n"
                               "ProductNumber=7\n"));
    QStringList opened;
    WebLoginMain web(console.ctx, [&opened](const QString& address) {
        opened << address;
        return true;
    });
    EXPECT_FALSE(web.loginZrkInternet(0));
    EXPECT_FALSE(web.loginZrkInternet(1));
    EXPECT_FALSE(web.loginZrkInternet(2));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QStringLiteral("https://home.example"));
    EXPECT_TRUE(
        opened[1].startsWith(QStringLiteral("https://login.example/zrkpro/login.do?userName=7&realName=")));
}

TEST_F(CommandDispatchTest, HelpClosesOpenHelpWindowsAndOpensTheStartPage) {
    auto commands = dispatcher();
    console.windows.windows = {{QStringLiteral("quorvelzrknimbra联机帮助_老板报表 - 看板"), 11},
                               {QStringLiteral("Other"), 12}};
    commands.barClick(own("miHContents"));
    EXPECT_TRUE(calls.log.isEmpty()); // no help installed: nothing at all
    EXPECT_TRUE(console.windows.closed.empty());

    QDir(console.dir.path()).mkpath(QStringLiteral("help"));
    QFile page(console.dir.path() + QStringLiteral("/help/index.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    commands.barClick(own("miHContents"));
    EXPECT_EQ(console.windows.closed, std::vector<unsigned long>{11});
    EXPECT_EQ(calls.log,
              QStringList{QStringLiteral("open ") + QUrl::fromLocalFile(page.fileName()).toString()});
}

} // namespace
} // namespace zrk
