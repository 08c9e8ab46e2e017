// The console tables' batches, text for text: the real server runs exactly these.
#include "db/console_schema.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace zrk {
namespace {

// A golden file, kept with plain line ends, as the console sends it: every line end CR LF.
QString golden(const char* name) {
    QFile f(QStringLiteral(ZRK_GOLDEN_DIR "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    QString text = QString::fromUtf8(f.readAll());
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

// Line by line first, so a difference is reported where it is.
void expectSameText(const QString& actual, const QString& expected) {
    const QStringList a = actual.split(QStringLiteral("\r\n"));
    const QStringList e = expected.split(QStringLiteral("\r\n"));
    for (int i = 0; i < std::min(a.size(), e.size()); ++i)
        ASSERT_EQ(a[i].toStdString(), e[i].toStdString()) << "line " << i + 1;
    ASSERT_EQ(a.size(), e.size());
    EXPECT_EQ(actual, expected);
    EXPECT_FALSE(actual.contains(QRegularExpression(QStringLiteral("[^\r]\n")))) << "a bare line feed";
}

TEST(ConsoleSchema, TheBoardTablesBatchIsTheConsolesText) {
    expectSameText(consoleTablesBatch(), golden("console_tables.sql"));
    EXPECT_TRUE(consoleTablesBatch().endsWith(QStringLiteral("End\r\n")));
}

TEST(ConsoleSchema, TheOwnerReportBatchIsTheConsolesTextWithoutAFinalLineEnd) {
    expectSameText(ownerReportSyncBatch(), golden("owner_report_sync.sql"));
    EXPECT_TRUE(
        ownerReportSyncBatch().endsWith(QStringLiteral("where t2.FRptType=1 and t2.FVisibleInList='1'")));
}

TEST(ConsoleSchema, TablesAndTheirSeedTablesInSeedingOrder) {
    QStringList pairs;
    for (const BoardTable& t : boardTables())
        pairs << t.seedTable + QStringLiteral("->") + t.name;
    EXPECT_EQ(pairs,
              QStringList({"AccountType->t_Boss_AccountType", "ElementPosition->t_Boss_ElementPosition",
                           "ElementPosition_Bak->t_Boss_ElementPosition_Bak",
                           "ElementPosition_Show->t_Boss_ElementPosition_Show",
                           "SubFunction->t_Boss_SubFunction"}));
}

} // namespace
} // namespace zrk
