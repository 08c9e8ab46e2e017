#include "core/roles/ledger_roles.h"
#include "platform/db/connection.h"
#include "session/session_properties.h"
#include "support/test_console.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

// A console whose session points at a small account set with a system-parameter table.
class LedgerDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString connect =
            QStringLiteral("Provider=SQLite;Data Source=") + console.folder() + QStringLiteral("/books.db");
        db::Connection books;
        books.open(connect, db::MissingDatabase::Create);
        books.execute(QStringLiteral("CREATE TABLE t_SystemProfile (FCategory nvarchar(30), FKey "
                                     "nvarchar(50), FValue nvarchar(255))"));
        books.execute(
            QStringLiteral("Insert Into t_SystemProfile (FCategory, FKey, FValue) Values "
                           "('GL','CurrentYear','2026'), ('GL','CurrentPeriod',' 12 '), "
                           "('General','CompanyName','O''Brien 贸易'), ('IC','CurrentPeriod',NULL)"));
        books.close();
        publishFromDictionary(console.ctx, Dictionary{{QStringLiteral("PropsString"),
                                                       QStringLiteral("UserName=boss;ConnectString={") +
                                                           connect + QStringLiteral("};")}});
    }
    std::shared_ptr<ILedgerData> ledger() {
        return queryInterface<ILedgerData>(console.ctx.components().create(kLedgerDataProgId));
    }
    test::TestConsole console;
};

TEST_F(LedgerDataTest, ReadsTheLedgerPeriodAndTheSystemParameters) {
    const auto gl = ledger();
    EXPECT_EQ(gl->glGetCurrentYear(), 2026);
    EXPECT_EQ(gl->glGetCurrentPeriod(), 12);
    const auto profile = gl->systemProfile();
    EXPECT_EQ(profile->companyName(), QStringLiteral("O'Brien 贸易"));
    EXPECT_EQ(profile->getSystemProfile(QStringLiteral("gl"), QStringLiteral("currentyear"),
                                        QStringLiteral("0000")),
              Variant(QStringLiteral("2026")));
    // A missing row and a null value both give the default; a quote in the key breaks nothing.
    EXPECT_EQ(profile->getSystemProfile(QStringLiteral("CN"), QStringLiteral("CN_CURRENT_YEAR"),
                                        QStringLiteral("0000")),
              Variant(QStringLiteral("0000")));
    EXPECT_EQ(
        profile->getSystemProfile(QStringLiteral("IC"), QStringLiteral("CurrentPeriod"), QStringLiteral("0")),
        Variant(QStringLiteral("0")));
    EXPECT_EQ(
        profile->getSystemProfile(QStringLiteral("IC'"), QStringLiteral("x' or '1'='1"), QStringLiteral("d")),
        Variant(QStringLiteral("d")));
}

TEST_F(LedgerDataTest, RefreshRereadsThePeriod) {
    const auto gl = ledger();
    EXPECT_EQ(gl->glGetCurrentPeriod(), 12);
    db::Connection books;
    books.open(QStringLiteral("Provider=SQLite;Data Source=") + console.folder() +
               QStringLiteral("/books.db"));
    books.execute(QStringLiteral(
        "Update t_SystemProfile Set FValue='1' Where FKey='CurrentPeriod' And FCategory='GL'"));
    EXPECT_EQ(gl->glGetCurrentPeriod(), 12);
    gl->refresh(true);
    EXPECT_EQ(gl->glGetCurrentPeriod(), 1);
}

TEST(LedgerData, WithoutASessionTheEnginesErrorReachesTheCaller) {
    test::TestConsole console;
    const auto gl = queryInterface<ILedgerData>(console.ctx.components().create(kLedgerDataProgId));
    EXPECT_THROW(gl->glGetCurrentYear(), Error);
}

} // namespace
} // namespace zrk
