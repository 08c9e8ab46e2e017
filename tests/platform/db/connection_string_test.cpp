#include "platform/db/connection_string.h"
#include "platform/db/db_errors.h"
#include "platform/db/sql_literal.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace zrk;
using namespace zrk::db;

namespace {

TEST(ConnectionString, ItemsWithQuotesAndBraces) {
    const ConnectionItems items = parseConnectionString(QStringLiteral(
        " Provider = SQLOLEDB.1 ;Password='p;w''d';User ID=sa; Data Source={srv;1};Extended=\"a\"\"b\";;"));
    EXPECT_EQ(connectionValue(items, QStringLiteral("provider")), QStringLiteral("SQLOLEDB.1"));
    EXPECT_EQ(connectionValue(items, QStringLiteral("PASSWORD")), QStringLiteral("p;w'd"));
    EXPECT_EQ(connectionValue(items, QStringLiteral("userid")), QStringLiteral("sa"));
    EXPECT_EQ(connectionValue(items, QStringLiteral("Data Source")), QStringLiteral("srv;1"));
    EXPECT_EQ(connectionValue(items, QStringLiteral("Extended")), QStringLiteral("a\"b"));
    EXPECT_EQ(connectionValue(items, QStringLiteral("Missing")), QString());
}

TEST(ConnectionString, SqlServerProvidersMapToOdbc) {
    struct Case {
        const char* ado;
        const char* driver;
        const char* odbc;
        const char* options;
    } cases[] = {
        {"Provider=SQLOLEDB.1;Persist Security Info=True;User ID=sa;Password=secret;Initial Catalog=AIS2024;"
         "Data Source=dbhost",
         "",
         "DRIVER=FreeTDS;SERVER=dbhost;DATABASE=AIS2024;UID=sa;PWD=secret;ClientCharset=UTF-8;TDS_Version=7."
         "4",
         ""},
        {"Provider=SQLNCLI11;Data Source=dbhost,1533;Initial Catalog=A;Integrated Security=SSPI", "",
         "DRIVER=FreeTDS;SERVER=dbhost;PORT=1533;DATABASE=A;Trusted_Connection=yes;ClientCharset=UTF-8;TDS_"
         "Version=7.4",
         ""},
        {"Provider=MSOLEDBSQL;Server=(local);Database=A;UID=u;PWD=a;Connect Timeout=15",
         "ODBC Driver 18 for SQL Server",
         "DRIVER=ODBC Driver 18 for SQL Server;SERVER=localhost;DATABASE=A;UID=u;PWD=a",
         "SQL_ATTR_LOGIN_TIMEOUT=15"},
        {"Provider=SQLOLEDB;Data Source=h\\INST,1433;User ID=u;Password={x;y};TrustServerCertificate=yes",
         "ODBC Driver 17 for SQL Server",
         "DRIVER=ODBC Driver 17 for SQL "
         "Server;SERVER=h\\INST,1433;UID=u;PWD={x;y};TrustServerCertificate=yes",
         ""},
        {"Provider=SQLOLEDB.1;Data Source=h;User ID=u;Password=p;ODBC Driver=FreeTDS",
         "ODBC Driver 18 for SQL Server",
         "DRIVER=FreeTDS;SERVER=h;UID=u;PWD=p;ClientCharset=UTF-8;TDS_Version=7.4", ""},
    };
    for (const Case& c : cases) {
        const ConnectionTarget t =
            resolveConnectionString(QString::fromUtf8(c.ado), QString::fromUtf8(c.driver));
        EXPECT_EQ(t.engine, EngineKind::Odbc) << c.ado;
        EXPECT_TRUE(t.sqlServer);
        EXPECT_EQ(t.odbcString, QString::fromUtf8(c.odbc)) << c.ado;
        EXPECT_EQ(t.odbcOptions, QString::fromUtf8(c.options)) << c.ado;
    }
}

TEST(ConnectionString, EmbeddedAndGenericOdbcProviders) {
    ConnectionTarget t = resolveConnectionString(
        QStringLiteral(
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/zrk/ZRK_Boss.dat;Persist Security Info=False"),
        QString());
    EXPECT_EQ(t.engine, EngineKind::Sqlite);
    EXPECT_EQ(t.file, QStringLiteral("/opt/zrk/ZRK_Boss.dat"));
    EXPECT_FALSE(t.create);
    t = resolveConnectionString(QStringLiteral("Provider=SQLite;Data Source=:memory:;Create=yes;Mode=Read"),
                                QString());
    EXPECT_EQ(t.file, QStringLiteral(":memory:"));
    EXPECT_FALSE(t.create); // only the opener may grant creation, never the string
    EXPECT_TRUE(t.readOnly);
    t = resolveConnectionString(QStringLiteral("Provider=MSDASQL;DSN=acct;UID=x"), QString());
    EXPECT_EQ(t.engine, EngineKind::Odbc);
    EXPECT_FALSE(t.sqlServer);
    EXPECT_EQ(t.odbcString, QStringLiteral("DSN=acct;UID=x"));
    EXPECT_FALSE(t.sqliteDriver);
    t = resolveConnectionString(QStringLiteral("Provider=ODBC;Driver=SQLite3;Database=/tmp/a.db"), QString());
    EXPECT_EQ(t.engine, EngineKind::Odbc);
    EXPECT_TRUE(t.sqliteDriver); // its queries go through the dialect layer
    try {
        resolveConnectionString(QStringLiteral("Provider=Other.1"), QString());
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), dberr::ProviderNotFound);
    }
}

TEST(SqlLiteral, QuotesAreDoubled) {
    struct Case {
        Variant value;
        const char* literal;
    } cases[] = {
        {Variant(QStringLiteral("O'Brien")), "'O''Brien'"},
        {Variant(QStringLiteral("''")), "''''''"},
        {Variant(QString()), "''"},
        {Variant::null(), "NULL"},
        {Variant(), "NULL"},
        {Variant(true), "1"},
        {Variant(std::int32_t(-7)), "-7"},
        {Variant(2.5), "2.5"},
        {Variant(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9))), "'2024-05-06 07:08:09'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sqlValue(c.value), QString::fromUtf8(c.literal));
    EXPECT_EQ(sqlNText(QStringLiteral("它's")), QStringLiteral("N'它''s'"));
    EXPECT_EQ(sqlName(QStringLiteral("a]b")), QStringLiteral("[a]]b]"));
}

} // namespace
