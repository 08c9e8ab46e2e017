// The query helpers and the data components they go through.
#include "console_fixture.h"
#include "core/roles/data_roles.h"
#include "db/query_helpers.h"
#include "platform/db/sql_literal.h"

#include <QCoreApplication>

namespace zrk {
namespace {

class QueryHelpers : public test::ConsoleWithCompany {
protected:
    void SetUp() override {
        ConsoleWithCompany::SetUp();
        conn->execute(QStringLiteral("CREATE TABLE t_SystemProfile (FCategory nvarchar(30) NOT NULL, FKey "
                                     "nvarchar(100) NOT NULL, FValue nvarchar(255) NULL)"));
    }
    void profile(const QString& category, const QString& key, const Variant& value) {
        conn->execute(QStringLiteral("insert into t_SystemProfile values (%1, %2, %3)")
                          .arg(db::sqlText(category), db::sqlText(key), db::sqlValue(value)));
    }
};

TEST_F(QueryHelpers, RecordToDictionaryTrimsAndTurnsNullIntoEmptyText) {
    conn->execute(
        QStringLiteral("create table t_Row (FName nvarchar(20), FNote nvarchar(20), FCount int, FPrice "
                       "decimal(10,2))"));
    conn->execute(QStringLiteral("insert into t_Row values ('  客户 ', NULL, 7, 2.5)"));
    auto rs = conn->execute(QStringLiteral("select * from t_Row"));
    const DictionaryPtr d = recordToDictionary(*rs);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->count(), 4);
    EXPECT_EQ(d->item(QStringLiteral("FName")), Variant(QStringLiteral("客户")));
    EXPECT_EQ(d->item(QStringLiteral("fnote")), Variant(QString()));
    EXPECT_EQ(d->item(QStringLiteral("FCount")), Variant(QStringLiteral("7")));
    EXPECT_EQ(d->item(QStringLiteral("FPrice")), Variant(QStringLiteral("2.5")));
    rs->moveNext();
    EXPECT_FALSE(recordToDictionary(*rs));
    auto none = conn->execute(QStringLiteral("select * from t_Row where 1=2"));
    EXPECT_FALSE(recordToDictionary(*none));
}

TEST_F(QueryHelpers, ProfileValueIsTheLeadingNumberRoundedHalfToEven) {
    struct Case {
        const char* key;
        Variant stored; // Empty: no row
        int expected;
    } cases[] = {
        {"Missing", Variant(), 0},       {"Half", Variant("2.5"), 2},      {"ThreeHalf", Variant("3.5"), 4},
        {"Seven", Variant("7"), 7},      {"Prefix", Variant("12abc"), 12}, {"Blanks", Variant("  5  "), 5},
        {"Null", Variant::null(), 0},    {"Text", Variant("abc"), 0},      {"Negative", Variant("-3"), -3},
        {"TooBig", Variant("99999"), 0},
    };
    for (const Case& c : cases)
        if (!c.stored.isEmpty())
            profile(QStringLiteral("GL"), QString::fromLatin1(c.key), c.stored);
    for (const Case& c : cases)
        EXPECT_EQ(getProfileValue(console.ctx, QStringLiteral("GL"), QString::fromLatin1(c.key)), c.expected)
            << c.key;
    // Category and key compare without regard to letter case.
    EXPECT_EQ(getProfileValue(console.ctx, QStringLiteral("gl"), QStringLiteral("seven")), 7);
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(QueryHelpers, AQuoteInTheKeyIsAValueNotSql) {
    profile(QStringLiteral("General"), QStringLiteral("O'Brien"), Variant("9"));
    profile(QStringLiteral("General"), QStringLiteral("Other"), Variant("4"));
    EXPECT_EQ(getProfileValue(console.ctx, QStringLiteral("General"), QStringLiteral("O'Brien")), 9);
    // Without the quoting this key would select every row of the category.
    EXPECT_EQ(getProfileValue(console.ctx, QStringLiteral("General"), QStringLiteral("x' or '1'='1")), 0);
}

TEST_F(QueryHelpers, ProfileValueIsZeroWhenTheDatabaseCannotBeReached) {
    profile(QStringLiteral("GL"), QStringLiteral("AccountType"), Variant("3"));
    publishSession(QStringLiteral("Provider=SQLite;Data Source=") + console.folder() +
                   QStringLiteral("/nothing.db"));
    EXPECT_EQ(getProfileValue(console.ctx, QStringLiteral("GL"), QStringLiteral("AccountType")), 0);
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(QueryHelpers, GetRsBySqlRunsOnTheSessionsAccountSet) {
    profile(QStringLiteral("IC"), QStringLiteral("StartYear"), Variant("2024"));
    profile(QStringLiteral("IC"), QStringLiteral("StartPeriod"), Variant("3"));
    auto rs = getRsBySQL(console.ctx,
                         QStringLiteral("select FKey, FValue from t_SystemProfile where FCategory='IC' "
                                        "order by FKey"));
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->recordCount(), 2);
    EXPECT_EQ(rs->value(QStringLiteral("FKey")), Variant(QStringLiteral("StartPeriod")));
    rs->moveNext();
    EXPECT_EQ(rs->value(QStringLiteral("FValue")), Variant(QStringLiteral("2024")));
}

TEST_F(QueryHelpers, GetRsBySqlPassesTheEnginesErrorOnUnchanged) {
    std::optional<Error> direct;
    try {
        conn->execute(QStringLiteral("select * from t_NoSuchTable"));
    } catch (const Error& e) {
        direct = e;
    }
    ASSERT_TRUE(direct);
    try {
        getRsBySQL(console.ctx, QStringLiteral("select * from t_NoSuchTable"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e, *direct);
    }
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(QueryHelpers, TheGatewayRunsStatementsOnTheSessionsAccountSet) {
    const auto gateway =
        queryInterface<IAppConnection>(console.ctx.components().create(kAppConnectionProgId));
    gateway->execute3(QStringLiteral("insert into t_SystemProfile values ('CN', 'CN_CURRENT_YEAR', '2025')"));
    EXPECT_EQ(scalar(QStringLiteral("select FValue from t_SystemProfile where FKey='CN_CURRENT_YEAR'")),
              QStringLiteral("2025"));
    const auto rs = gateway->execute(QStringLiteral("select count(*) as n from t_SystemProfile"));
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->value(QStringLiteral("n")).toInt32(), 1);
    EXPECT_FALSE(gateway->execute(QStringLiteral("delete from t_SystemProfile where 1=2")));
}

} // namespace
} // namespace zrk
