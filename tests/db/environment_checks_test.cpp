// The accounting environment checks on real account sets: one of the test's own making per case,
// and the demo account set.
#include "console_fixture.h"
#include "core/roles/data_roles.h"
#include "db/connections.h"
#include "db/console_tables.h"
#include "db/environment_checks.h"
#include "db/query_helpers.h"
#include "demo_generator.h"
#include "platform/db/sql_literal.h"

#include <QDate>
#include <map>

namespace zrk {
namespace {

using Profile = std::map<QString, const char*>; // "Category/Key" -> value (nullptr: Null)

class EnvironmentChecks : public test::ConsoleWithCompany {
protected:
    void SetUp() override {
        ConsoleWithCompany::SetUp();
        conn->execute(QStringLiteral("CREATE TABLE t_SystemProfile (FCategory nvarchar(30) NOT NULL, FKey "
                                     "nvarchar(100) NOT NULL, FValue nvarchar(255) NULL)"));
    }
    void setProfile(const Profile& values) {
        conn->execute(QStringLiteral("delete from t_SystemProfile"));
        for (const auto& [name, value] : values)
            conn->execute(QStringLiteral("insert into t_SystemProfile values (%1, %2, %3)")
                              .arg(db::sqlText(name.section(QLatin1Char('/'), 0, 0)),
                                   db::sqlText(name.section(QLatin1Char('/'), 1)),
                                   value ? db::sqlText(QString::fromUtf8(value)) : QStringLiteral("NULL")));
    }
    static Profile completeSetup() {
        return {{"GL/PeriodCount", "12"}, {"GL/PeriodDates", "1,2,3"}, {"GL/StartPeriod", "1"},
                {"GL/StartYear", "2024"}, {"IC/StartPeriod", "1"},     {"IC/StartYear", "2024"}};
    }
};

const QString kLedgerMessage = QStringLiteral("请先到系统参数中设置会计期间、启用期间和记账本位币！");
const QString kStockMessage = QStringLiteral("请先到系统业务参数中设置会计期间、启用期间！");

TEST_F(EnvironmentChecks, AccountingSetupNamesWhatIsMissing) {
    struct Case {
        const char* name;
        const char* remove;      // the entry taken out of a complete set-up
        const char* nullInstead; // or the entry whose value is made Null
        bool ok;
        QString message;
    } cases[] = {
        {"complete", nullptr, nullptr, true, QString()},
        {"no period calendar", "GL/PeriodDates", nullptr, false, kLedgerMessage},
        {"no period count", "GL/PeriodCount", nullptr, false, kLedgerMessage},
        {"a null ledger start year", nullptr, "GL/StartYear", false, kLedgerMessage},
        {"no stock start year", "IC/StartYear", nullptr, false, kStockMessage},
        {"a null stock start period", nullptr, "IC/StartPeriod", false, kStockMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Profile p = completeSetup();
        if (c.remove)
            p.erase(QString::fromLatin1(c.remove));
        if (c.nullInstead)
            p[QString::fromLatin1(c.nullInstead)] = nullptr;
        setProfile(p);
        console.prompts.clear();
        EXPECT_EQ(checkAccountingSetup(console.ctx, propsString()), c.ok);
        if (c.ok) {
            EXPECT_TRUE(console.prompts.messages().empty());
        } else {
            ASSERT_EQ(console.prompts.messages().size(), 1u);
            EXPECT_EQ(console.prompts.messages()[0].text, c.message);
            EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Critical);
        }
    }
}

TEST_F(EnvironmentChecks, AnEmptyLedgerCalendarStopsEvenWithTheStockSet) {
    Profile p = completeSetup();
    p[QStringLiteral("GL/PeriodDates")] = "";
    setProfile(p);
    EXPECT_FALSE(checkAccountingSetup(console.ctx, propsString()));
    EXPECT_EQ(messageTexts(), QStringList({kLedgerMessage}));
}

TEST_F(EnvironmentChecks, AnAccountSetThatCannotBeReadShowsTheEnginesError) {
    const QString missing =
        QStringLiteral("Provider=SQLite;Data Source=") + console.folder() + QStringLiteral("/gone.db");
    std::optional<Error> direct;
    try {
        db::Connection c;
        c.open(missing);
    } catch (const Error& e) {
        direct = e;
    }
    ASSERT_TRUE(direct);
    EXPECT_FALSE(checkAccountingSetup(console.ctx,
                                      QStringLiteral("ConnectString={") + missing + QStringLiteral("};")));
    EXPECT_EQ(messageTexts(), QStringList({direct->description()}));
}

TEST_F(EnvironmentChecks, OutOfStepWhenStockMovedOnWithoutClosedOpeningData) {
    struct Case {
        const char* name;
        Profile profile;
        bool outOfStep;
    } cases[] = {
        {"stock still in its start period, not closed",
         {{"IC/StartYear", "2024"},
          {"IC/StartPeriod", "3"},
          {"IC/CurrentYear", "2024"},
          {"IC/CurrentPeriod", "3"},
          {"ARAP/Closed", "0"}},
         false},
        {"stock still in its start period, no closed row",
         {{"IC/StartYear", "2024"},
          {"IC/StartPeriod", "3"},
          {"IC/CurrentYear", "2024"},
          {"IC/CurrentPeriod", "3"}},
         false},
        {"one period on, closed",
         {{"IC/StartYear", "2024"},
          {"IC/StartPeriod", "3"},
          {"IC/CurrentYear", "2024"},
          {"IC/CurrentPeriod", "4"},
          {"ARAP/Closed", "1"}},
         false},
        {"one period on, not closed",
         {{"IC/StartYear", "2024"},
          {"IC/StartPeriod", "3"},
          {"IC/CurrentYear", "2024"},
          {"IC/CurrentPeriod", "4"},
          {"ARAP/Closed", "0"}},
         true},
        {"one period on, no closed row",
         {{"IC/StartYear", "2024"},
          {"IC/StartPeriod", "3"},
          {"IC/CurrentYear", "2024"},
          {"IC/CurrentPeriod", "4"}},
         true},
        {"one period on, a null closed value",
         {{"IC/StartYear", "2024"},
          {"IC/StartPeriod", "3"},
          {"IC/CurrentYear", "2024"},
          {"IC/CurrentPeriod", "4"},
          {"ARAP/Closed", nullptr}},
         true},
        {"no current year row reads as 0",
         {{"IC/StartYear", "2024"}, {"IC/StartPeriod", "3"}, {"IC/CurrentPeriod", "3"}, {"ARAP/Closed", "0"}},
         true},
        {"a new year, closed",
         {{"IC/StartYear", "2024"},
          {"IC/StartPeriod", "3"},
          {"IC/CurrentYear", "2025"},
          {"IC/CurrentPeriod", "3"},
          {"ARAP/Closed", "1"}},
         false},
    };
    ASSERT_TRUE(openCompanyConnection(console.ctx));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setProfile(c.profile);
        EXPECT_EQ(isArApOutOfStep(console.ctx), c.outOfStep);
    }
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(EnvironmentChecks, OutOfStepFailureShowsItsMessageAndGivesFalse) {
    const QString message = QStringLiteral("系统在获取系统启用期间时发生错误！");
    // A value that is no number.
    ASSERT_TRUE(openCompanyConnection(console.ctx));
    setProfile({{"IC/StartYear", "二〇二四"}, {"IC/CurrentYear", "2024"}});
    EXPECT_FALSE(isArApOutOfStep(console.ctx));
    EXPECT_EQ(messageTexts(), QStringList({message}));
    // No parameter table.
    console.prompts.clear();
    conn->execute(QStringLiteral("drop table t_SystemProfile"));
    EXPECT_FALSE(isArApOutOfStep(console.ctx));
    EXPECT_EQ(messageTexts(), QStringList({message}));
    // No company connection at all.
    console.prompts.clear();
    console.ctx.session().companyConnection.reset();
    EXPECT_FALSE(isArApOutOfStep(console.ctx));
    EXPECT_EQ(messageTexts(), QStringList({message}));
}

TEST_F(EnvironmentChecks, OpeningDataCountAsEnteredWhenTheirInitialisationIsClosed) {
    struct Case {
        const char* name;
        Profile profile;
        bool initialised;
    } cases[] = {
        {"closed", {{"ARAP/Closed", "1"}}, true},
        {"closed, with blanks", {{"ARAP/Closed", " 1 "}}, true},
        {"still open", {{"ARAP/Closed", "0"}}, false},
        {"no entry", {{"ARAP/StartYear", "2024"}}, false},
        {"a null entry", {{"ARAP/Closed", nullptr}}, false},
        {"another number", {{"ARAP/Closed", "2"}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setProfile(c.profile);
        EXPECT_EQ(isArApInitialized(console.ctx), c.initialised);
    }
    // Asked without a reachable account set: false, and nothing is shown.
    publishSession(QStringLiteral("Provider=SQLite;Data Source=") + console.folder() +
                   QStringLiteral("/gone.db"));
    EXPECT_FALSE(isArApInitialized(console.ctx));
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(EnvironmentChecks, TheProfileComponentGivesNullForWhatIsNotThere) {
    setProfile({{"General/CompanyName", " 华岳 "}, {"General/Empty", ""}, {"General/Null", nullptr}});
    const auto profile =
        queryInterface<ISystemProfile>(console.ctx.objectFactory().create(kSystemProfileProgId));
    EXPECT_EQ(profile->getProfile(propsString(), QStringLiteral("General"), QStringLiteral("CompanyName")),
              Variant(QStringLiteral("华岳")));
    EXPECT_EQ(profile->getProfile(propsString(), QStringLiteral("General"), QStringLiteral("Empty")),
              Variant(QString()));
    EXPECT_TRUE(
        profile->getProfile(propsString(), QStringLiteral("General"), QStringLiteral("Null")).isNull());
    EXPECT_TRUE(
        profile->getProfile(propsString(), QStringLiteral("General"), QStringLiteral("None")).isNull());
}

// The demo account set is set up completely: every check passes, and the console prepares its
// tables there.
TEST(DemoAccountSet, PassesTheChecksAndTakesTheConsoleTables) {
    test::TestConsole console;
    const QString file = console.folder() + QStringLiteral("/demo.zrkdb");
    demo::DemoOptions options;
    options.today = QDate(2025, 6, 18);
    options.passwordIterations = test::kTestPasswordIterations;
    demo::buildDemoDatabase(file, options);
    const QString props = QStringLiteral("UserName=boss;ConnectString={Provider=SQLite;Data Source=") + file +
                          QStringLiteral("};AcctID=1;");
    publishFromDictionary(console.ctx, Dictionary{{QStringLiteral("PropsString"), props}});

    EXPECT_TRUE(checkAccountingSetup(console.ctx, props));
    ASSERT_TRUE(openCompanyConnection(console.ctx));
    EXPECT_FALSE(isArApOutOfStep(console.ctx));
    EXPECT_TRUE(isArApInitialized(console.ctx));
    EXPECT_EQ(getProfileValue(console.ctx, QStringLiteral("General"), QStringLiteral("CompanyType")), 1);
    EXPECT_EQ(getProfileValue(console.ctx, QStringLiteral("GL"), QStringLiteral("AccountType")), 1);

    auto seed = openSeedFile(QStringLiteral(ZRK_BUILT_SEED_FILE));
    EXPECT_TRUE(ensureConsoleTables(console.ctx, *console.ctx.session().companyConnection, *seed));
    syncOwnerReportList(console.ctx, *console.ctx.session().companyConnection);
    EXPECT_TRUE(console.prompts.messages().empty());
    const auto shown = console.ctx.session().companyConnection->execute(QStringLiteral(
        "Select * from t_Boss_ElementPosition where FDetailFuncType=3 and FisShow='1' order by Forder"));
    EXPECT_EQ(shown->recordCount(), 6);
    const auto owner = console.ctx.session().companyConnection->execute(QStringLiteral(
        "select count(*) as n, sum(case when FVisibleInList='0' then 1 else 0 end) as hidden from "
        "t_Rpt_Content_Boss"));
    EXPECT_GT(owner->value(QStringLiteral("n")).toInt32(), 0);
    EXPECT_EQ(owner->value(QStringLiteral("hidden")).toInt32(), owner->value(QStringLiteral("n")).toInt32());
}

} // namespace
} // namespace zrk
