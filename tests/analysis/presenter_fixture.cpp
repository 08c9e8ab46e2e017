#include "presenter_fixture.h"

#include "platform/db/sql_literal.h"

namespace zrk::test {

PresenterTest::PresenterTest() : presenter(console.ctx, [] { return QDate(2025, 3, 31); }) {
    console.ctx.texts().languageCode = 1;
    registerAnalysisFakes(console.ctx, world);
    company = std::make_shared<db::Connection>();
    company->open(QStringLiteral("Provider=SQLite;Data Source=") +
                      console.dir.filePath(QStringLiteral("books.db")),
                  db::MissingDatabase::Create);
    company->execute(
        QStringLiteral("create table t_SystemProfile (FCategory nvarchar(30), FKey nvarchar(100), "
                       "FValue nvarchar(255))"));
    setProfile("IC", "StartYear", "2025");
    setProfile("IC", "StartPeriod", "3");
    setProfile("IC", "CurrentYear", "2025");
    setProfile("IC", "CurrentPeriod", "3");
    console.ctx.session().companyConnection = company;
    world.profile = {{QStringLiteral("IC/StartPeriod"), QStringLiteral("3")},
                     {QStringLiteral("IC/StartYear"), QStringLiteral("2025")}};
    world.periodRows =
        makeRecordset({QStringLiteral("FStartDate"), QStringLiteral("FEndDate")},
                      {{QDateTime(QDate(2025, 3, 1), QTime()), QDateTime(QDate(2025, 3, 31), QTime())}});
    world.currencyRows = makeRecordset(
        {QStringLiteral("FCurrencyID"), QStringLiteral("FName")},
        {{std::int32_t(1), QStringLiteral("人民币")}, {std::int32_t(2), QStringLiteral("美元")}});
}

void PresenterTest::setProfile(const char* category, const char* key, const char* value) {
    const QString c = QString::fromLatin1(category), k = QString::fromLatin1(key);
    company->execute(QStringLiteral("delete from t_SystemProfile where FCategory=%1 and FKey=%2")
                         .arg(db::sqlText(c), db::sqlText(k)));
    company->execute(QStringLiteral("insert into t_SystemProfile values (%1, %2, %3)")
                         .arg(db::sqlText(c), db::sqlText(k), db::sqlText(QString::fromLatin1(value))));
}

QStringList PresenterTest::messageTexts() const {
    QStringList out;
    for (const auto& m : console.prompts.messages())
        out << m.text;
    return out;
}

} // namespace zrk::test
