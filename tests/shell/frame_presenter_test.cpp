#include "core/roles/component_roles.h"
#include "core/roles/ledger_roles.h"
#include "launch/cache_wrapper.h"
#include "session/installation.h"
#include "session/session_properties.h"
#include "shell/frame_presenter.h"
#include "shell/module_periods.h"
#include "support/core_console.h"
#include "support/map_prop_store.h"

#include <gtest/gtest.h>
#include <map>

namespace zrk {
namespace {

// The suite's components the frame reaches, as plain tables. Every call is written to the log.
struct Suite {
    std::map<QString, QString> profile;
    std::map<QString, Variant> props;
    QStringList log;
    QString failingProfileKey;
    bool ledgerFails = false;
    // The ledger's current year and period; none stands for a value too long for a number.
    std::optional<std::int32_t> ledgerYear = 2026, ledgerPeriod = 12;
    bool helperFails = false;
    QList<bool> answers;
};

class FakeProfile : public ISystemProfileView {
public:
    explicit FakeProfile(Suite& suite) : suite_(suite) {}
    QString companyName() override { return QStringLiteral("华东贸易有限公司"); }
    Variant getSystemProfile(const QString& section, const QString& key, const Variant& fallback) override {
        const QString name = section + QLatin1Char('/') + key;
        if (name == suite_.failingProfileKey)
            throw Error(3021, kLedgerDataProgId, QStringLiteral("no such row"));
        const auto it = suite_.profile.find(name);
        return it == suite_.profile.end() ? fallback : Variant(it->second);
    }

private:
    Suite& suite_;
};

class FakeLedger : public Object, public ILedgerData {
public:
    explicit FakeLedger(Suite& suite) : suite_(suite) {}
    void refresh(bool) override {
        suite_.log << QStringLiteral("ledger refresh");
        if (suite_.ledgerFails)
            throw Error(3704, kLedgerDataProgId, QStringLiteral("the account set is closed"));
    }
    std::shared_ptr<ISystemProfileView> systemProfile() override {
        return std::make_shared<FakeProfile>(suite_);
    }
    std::int32_t glGetCurrentYear() override { return number(suite_.ledgerYear); }
    std::int32_t glGetCurrentPeriod() override { return number(suite_.ledgerPeriod); }

private:
    static std::int32_t number(const std::optional<std::int32_t>& value) {
        if (!value)
            throw Error(errnum::Overflow, kLedgerDataProgId, QStringLiteral("Overflow"));
        return *value;
    }

    Suite& suite_;
};

// The registry and the text formatter live in one foundation object.
class FakeFoundation : public Object, public IRegistry, public IFoundation {
public:
    explicit FakeFoundation(Suite& suite) : suite_(suite) {}
    Variant getKeyValue(const QString&, const QString&, const QString&) override { return QString(); }
    void setKeyValue(const QString&, const QString&, const Variant&) override {}
    void deleteValue(const QString&, const QString&) override {}
    void saveSetting(const QString& app, const QString& section, const QString& key,
                     const Variant& value) override {
        suite_.log << QStringList{QStringLiteral("save"), app, section, key, value.toString()}.join(
            QLatin1Char(' '));
    }
    QString formatText(const QString& pattern, const QList<Variant>& values) override {
        QString text = pattern;
        for (qsizetype i = 0; i < values.size(); ++i)
            text.replace(QLatin1Char('%') + QString::number(i + 1), values[i].toString());
        return text;
    }

private:
    Suite& suite_;
};

class FakeHelper : public Object, public ISuiteHelper {
public:
    explicit FakeHelper(Suite& suite) : suite_(suite) {}
    bool askYesNo(const QString& question, const QString&) override {
        suite_.log << QStringLiteral("ask ") + question;
        if (suite_.helperFails)
            throw Error(91, kSuiteHelperProgId, QStringLiteral("no helper"));
        return suite_.answers.isEmpty() ? false : suite_.answers.takeFirst();
    }
    void reportError(const Error& error) override {
        if (suite_.helperFails)
            throw Error(91, kSuiteHelperProgId, QStringLiteral("no helper"));
        suite_.log << QStringLiteral("report ") + error.description();
    }

private:
    Suite& suite_;
};

class FakeLocalCache : public Object, public ICacheFacade {
public:
    explicit FakeLocalCache(Suite& suite) : suite_(suite) {}
    void add(const QString&, const QString&, const Variant&, const QString&) override {}
    void remove(const QString& category, const QString& key) override {
        suite_.log << QStringLiteral("cache remove ") + category + QLatin1Char(' ') + key;
    }
    Variant getItem(const QString&, const QString&, const std::optional<Variant>&, const QString&) override {
        return {};
    }
    void removeCategory(const QString&) override {}
    void removeAll() override {}

private:
    Suite& suite_;
};

// The frame's window, the login, the board maker and the service object: each call is logged.
class FakeFrame : public IFrameView, public IConsoleLogin, public IBoardFactory, public IMainService {
public:
    explicit FakeFrame(Suite& suite) : suite_(suite) {}
    std::map<int, QString> panels;
    QString caption, tip, maximisedTitle;
    std::function<void()> duringLogin;

    void showCaption(const QString& text) override { caption = text; }
    void showPanel(int number, const QString& text) override { panels[number] = text; }
    void showUserPanelTip(const QString& text) override { tip = text; }
    QString maximisedChildTitle() const override { return maximisedTitle; }
    void openBoard(IBoardFactory&) override { suite_.log << QStringLiteral("open board"); }
    void closeChildren() override { suite_.log << QStringLiteral("close children"); }
    void translateForm() override { suite_.log << QStringLiteral("translate form"); }
    void buildCommandIndex() override { suite_.log << QStringLiteral("build index"); }
    void dropCommandIndex() override { suite_.log << QStringLiteral("drop index"); }
    void mergeToolBar(const ToolBarLayout* layout) override {
        suite_.log << (layout ? QStringLiteral("merge tool bar") : QStringLiteral("remove tool bar"));
    }
    std::int32_t loginConsole(bool doLogin, bool force) override {
        suite_.log << QStringLiteral("login %1 %2").arg(doLogin).arg(force);
        if (duringLogin)
            duringLogin();
        return -1;
    }
    IBoard* createBoard() override { return nullptr; }
    void ensureMainService() override { suite_.log << QStringLiteral("service"); }
    void stopTimerService() override {
        suite_.log << QStringLiteral("stop timer");
        throw Error(5, QStringLiteral("QVMain"), QStringLiteral("the timer is gone"));
    }

private:
    Suite& suite_;
};

class FramePresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ConsoleContext& ctx = console.ctx;
        ctx.texts().languageCode = 1; // Simplified Chinese: texts stay as written
        ctx.scheme().loaded = true;
        ctx.scheme().industryLoaded = true;
        suite.profile = {{QStringLiteral("IC/CurrentYear"), QStringLiteral("2026")},
                         {QStringLiteral("IC/CurrentPeriod"), QStringLiteral("11")},
                         {QStringLiteral("CN/CN_CURRENT_YEAR"), QStringLiteral("2026")},
                         {QStringLiteral("CN/CN_CURRENT_PERIOD"), QStringLiteral("10")}};
        suite.props = {{QStringLiteral("UserName"), QStringLiteral("老板")},
                       {QStringLiteral("AcctName"), QStringLiteral("  演示账套 ")}};
        auto& components = ctx.components();
        components.add(kLedgerDataProgId, [this] { return std::make_shared<FakeLedger>(suite); });
        components.add(kRegistryProgId, [this] { return std::make_shared<FakeFoundation>(suite); });
        components.add(kPropStoreProgId,
                       [this] { return std::make_shared<test::MapPropStore>(suite.props); });
        components.add(kSuiteHelperProgId, [this] { return std::make_shared<FakeHelper>(suite); });
        components.add(kLocalCacheProgId, [this] { return std::make_shared<FakeLocalCache>(suite); });
    }

    QString cached(const char* key) {
        return CacheWrapper(console.ctx)
            .getItem(kPeriodStringCategory, QString::fromLatin1(key), Variant(QStringLiteral("<none>")))
            .toString();
    }

    test::CoreConsole console;
    Suite suite;
    FakeFrame frame{suite};
    FramePresenter presenter{console.ctx, frame, FrameRoles{frame, frame, &frame}};
};

TEST_F(FramePresenterTest, LoadFillsCaptionPanelsAndCacheThenPublishesTheServiceAndOpensTheBoard) {
    presenter.load();
    EXPECT_EQ(frame.caption, QStringLiteral("QuorvelZRKNimbra老板报表"));
    EXPECT_EQ(frame.tip, QStringLiteral("用户名称"));
    const std::map<int, QString> panels = {{panel::kStatus, QStringLiteral("就绪")},
                                           {panel::kCompany, QStringLiteral("华东贸易有限公司")},
                                           {panel::kAccountSet, QStringLiteral("演示账套")},
                                           {panel::kPeriod, QStringLiteral("2026年第11期")},
                                           {panel::kUser, QStringLiteral("老板")}};
    EXPECT_EQ(frame.panels, panels);
    EXPECT_EQ(presenter.panelText(panel::kPeriod), QStringLiteral("2026年第11期"));
    EXPECT_EQ(cached("xs"), QStringLiteral("销售管理：2026年第11期"));
    EXPECT_EQ(cached("cn"), QStringLiteral("出纳管理：2026年第10期"));
    EXPECT_EQ(cached("gl"), QStringLiteral("账务处理：2026年第12期"));
    EXPECT_TRUE(presenter.askOnExit());
    EXPECT_EQ(suite.log, (QStringList{QStringLiteral("translate form"), QStringLiteral("build index"),
                                      QStringLiteral("save EBO ToolBar ViewFlag 1"),
                                      QStringLiteral("service"), QStringLiteral("open board")}));
}

TEST_F(FramePresenterTest, AnUnreadableSystemStopsThePanelsAndTheCacheWhereItFailed) {
    suite.failingProfileKey = QStringLiteral("CN/CN_CURRENT_YEAR");
    presenter.setStatusBar();
    EXPECT_EQ(frame.panels[panel::kAccountSet], QStringLiteral("演示账套"));
    EXPECT_EQ(cached("cc"), QStringLiteral("仓存管理：2026年第11期"));
    EXPECT_EQ(cached("cn"), QStringLiteral("<none>"));
    EXPECT_EQ(cached("gl"), QStringLiteral("<none>"));
    EXPECT_FALSE(frame.panels.contains(panel::kPeriod));
    EXPECT_FALSE(frame.panels.contains(panel::kUser));
}

TEST(PeriodTexts, AYearOrPeriodOutOfRangeShowsAsMissing) {
    const std::pair<Variant, const char*> years[] = {{QStringLiteral("2026"), "2026"},
                                                     {QStringLiteral(" 2026 "), "2026"},
                                                     {2026, "2026"},
                                                     {QStringLiteral("26"), "0026"},
                                                     {QStringLiteral("9999"), "9999"},
                                                     {QStringLiteral("10000"), "0000"},
                                                     {QStringLiteral("-5"), "0000"},
                                                     {QStringLiteral("0"), "0000"},
                                                     {QStringLiteral("0000"), "0000"},
                                                     {QStringLiteral("20262026202620"), "0000"},
                                                     {QStringLiteral("abc"), "0000"},
                                                     {QStringLiteral("2026.5"), "0000"},
                                                     {QStringLiteral("+2026"), "0000"},
                                                     {QString(), "0000"},
                                                     {Variant(), "0000"},
                                                     {-2026, "0000"}};
    for (const auto& [value, text] : years)
        EXPECT_EQ(periodYearText(value), QString::fromLatin1(text)) << value.toString().toStdString();
    const std::pair<Variant, const char*> periods[] = {{QStringLiteral("1"), "1"},
                                                       {QStringLiteral("12"), "12"},
                                                       {QStringLiteral("13"), "13"},
                                                       {12, "12"},
                                                       {QStringLiteral("14"), "0"},
                                                       {QStringLiteral("-5"), "0"},
                                                       {QStringLiteral("0"), "0"},
                                                       {QStringLiteral("x"), "0"},
                                                       {QStringLiteral("99999999999999"), "0"},
                                                       {Variant(), "0"},
                                                       {-1, "0"}};
    for (const auto& [value, text] : periods)
        EXPECT_EQ(periodNumberText(value), QString::fromLatin1(text)) << value.toString().toStdString();
}

TEST_F(FramePresenterTest, DamagedPeriodsShowTheFallbackInThePanelAndTheCache) {
    suite.profile[QStringLiteral("IC/CurrentYear")] = QStringLiteral("20262026202620");
    suite.profile[QStringLiteral("IC/CurrentPeriod")] = QStringLiteral("-5");
    suite.profile[QStringLiteral("CN/CN_CURRENT_PERIOD")] = QStringLiteral("99");
    suite.ledgerYear = std::nullopt; // fourteen digits in the account set
    suite.ledgerPeriod = -5;
    presenter.setStatusBar();
    EXPECT_EQ(frame.panels[panel::kPeriod], QStringLiteral("0000年第0期"));
    EXPECT_EQ(cached("xs"), QStringLiteral("销售管理：0000年第0期"));
    EXPECT_EQ(cached("cn"), QStringLiteral("出纳管理：2026年第0期"));
    EXPECT_EQ(cached("gl"), QStringLiteral("账务处理：0000年第0期"));
    EXPECT_EQ(frame.panels[panel::kUser], QStringLiteral("老板")); // the bar was completed
}

TEST_F(FramePresenterTest, MissingPeriodsShowYearZeroAndPeriodZero) {
    suite.profile.clear();
    presenter.setStatusBar();
    EXPECT_EQ(frame.panels[panel::kPeriod], QStringLiteral("0000年第0期"));
    EXPECT_EQ(cached("cn"), QStringLiteral("出纳管理：0000年第0期"));
}

TEST(FrameGeometry, MinimumSizeIsTwelveByNineThousandTwips) {
    const std::pair<int, QSize> cases[] = {{96, {800, 600}}, {120, {1000, 750}}, {144, {1200, 900}}};
    for (const auto& [dpi, size] : cases)
        EXPECT_EQ(minimumFrameSize(dpi), size) << dpi;
}

TEST(FrameGeometry, CaptionNamesAMaximisedChildInBrackets) {
    EXPECT_EQ(frameCaption(QStringLiteral("T"), QString()), QStringLiteral("T"));
    EXPECT_EQ(frameCaption(QStringLiteral("T"), QStringLiteral("主界面")), QStringLiteral("T - [主界面]"));
}

TEST_F(FramePresenterTest, CaptionAndStatusFollowTheActiveForm) {
    frame.maximisedTitle = QStringLiteral("应收账款");
    presenter.updateCaption();
    EXPECT_EQ(frame.caption, QStringLiteral("QuorvelZRKNimbra老板报表 - [应收账款]"));
    presenter.notifyActiveForm(QStringLiteral("正在查询"));
    EXPECT_EQ(presenter.statusString(), QStringLiteral("正在查询"));
    EXPECT_EQ(frame.caption, QStringLiteral("QuorvelZRKNimbra老板报表"));
    presenter.notifyActiveForm(std::nullopt);
    EXPECT_EQ(presenter.statusString(), QStringLiteral("就绪"));
}

TEST_F(FramePresenterTest, ExitDecision) {
    struct Case {
        bool built, ask, helperFails;
        QList<bool> answers;
        bool mayClose;
        bool asked;
    };
    const Case cases[] = {
        {false, true, false, {true}, false, false}, // no board yet: the frame stays
        {true, false, false, {}, true, false},      // not asked to ask
        {true, true, false, {true}, true, true},    // the owner says yes
        {true, true, false, {false}, false, true},  // the owner says no
        {true, true, true, {true}, false, true},    // no helper to ask: the frame stays
    };
    for (const Case& c : cases) {
        suite.log.clear();
        console.ctx.board().built = c.built;
        presenter.setAskOnExit(c.ask);
        suite.helperFails = c.helperFails;
        suite.answers = c.answers;
        EXPECT_EQ(presenter.queryUnload(), c.mayClose) << c.built << c.ask << c.helperFails;
        EXPECT_EQ(suite.log.contains(QStringLiteral("ask 是否确认退出QuorvelZRKNimbra老板报表？")), c.asked);
    }
    EXPECT_EQ(console.prompts.messages().size(), 1u) << "the failed helper's error is shown once";
}

TEST_F(FramePresenterTest, UnloadGoesOnPastFailuresAndRunsOnce) {
    console.ctx.board().built = true;
    CacheWrapper(console.ctx)
        .add(QStringLiteral("Obj"), QStringLiteral("k"), QString(), QStringLiteral("v1"));
    presenter.unload();
    presenter.unload();
    EXPECT_TRUE(presenter.unloaded());
    EXPECT_TRUE(presenter.queryUnload());
    EXPECT_FALSE(console.ctx.board().built);
    EXPECT_TRUE(console.ctx.cache().entries.empty());
    const QString removed = QStringLiteral("cache remove %1_Obj k").arg(console.ctx.session().processId);
    EXPECT_EQ(suite.log, (QStringList{QStringLiteral("stop timer"), removed, QStringLiteral("drop index"),
                                      QStringLiteral("close children")}));
}

TEST_F(FramePresenterTest, UserPanelLogsInAgainOnceAtATime) {
    int nested = 0;
    frame.duringLogin = [&] {
        ++nested;
        EXPECT_EQ(frame.tip, QString());
        presenter.userPanelClicked(); // a second click while the login is open is ignored
    };
    console.ctx.board().built = true;
    presenter.userPanelClicked();
    EXPECT_EQ(nested, 1);
    EXPECT_FALSE(console.ctx.board().built);
    EXPECT_EQ(frame.tip, QStringLiteral("用户名称"));
    EXPECT_EQ(suite.log.count(QStringLiteral("login 1 1")), 1);
    EXPECT_EQ(suite.log.first(), QStringLiteral("close children"));
    EXPECT_EQ(suite.log.last(), QStringLiteral("open board"));
}

TEST_F(FramePresenterTest, AFailedRefreshIsReportedAndLeavesTheBoardClosed) {
    suite.ledgerFails = true;
    presenter.refreshSystem(false);
    EXPECT_EQ(suite.log, (QStringList{QStringLiteral("close children"), QStringLiteral("ledger refresh"),
                                      QStringLiteral("report the account set is closed")}));
}

} // namespace
} // namespace zrk
