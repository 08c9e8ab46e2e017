#include "platform/db/connection.h"
#include "qt_printers.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

// An empty embedded database made here (the tool itself creates none), as a connection string.
QString createdDatabase(const QString& file) {
    const QString cs = QStringLiteral("Provider=SQLite;Data Source=%1").arg(file);
    zrk::db::Connection maker;
    maker.open(cs, zrk::db::MissingDatabase::Create);
    maker.close();
    return cs;
}

ToolRun zrkSql(const QStringList& args, const QByteArray& input = QByteArray()) {
    QProcess p;
    p.start(QStringLiteral(ZRK_SQL_PROGRAM), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(ZrkSql, RunsBatchesFromStandardInputAndPrintsTheFirstResult) {
    QTemporaryDir dir;
    const QString cs = createdDatabase(dir.filePath(QStringLiteral("x.db")));
    const QByteArray script = "create table [dbo].[t] ([a] [int] NOT NULL, [b] [nvarchar] (10) NULL)\n"
                              "insert into t values (1, N'甲') insert into t values (2, NULL)\n"
                              "GO\n"
                              "Set Nocount on select a, b from t order by a select 'second result'\n";
    const ToolRun r = zrkSql({QStringLiteral("-S"), cs}, script);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("a\tb\n1\t甲\n2\tNULL\n"));
}

TEST(ZrkSql, EngineErrorGoesToStandardErrorWithAFailingExitCode) {
    QTemporaryDir dir;
    const QString cs = createdDatabase(dir.filePath(QStringLiteral("x.db")));
    const ToolRun r = zrkSql(
        {QStringLiteral("-S"), cs, QStringLiteral("-Q"), QStringLiteral("select * from missing_table")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QLatin1String("no such table: missing_table"))) << r.err.toStdString();
    const ToolRun bad =
        zrkSql({QStringLiteral("-S"),
                QStringLiteral("Provider=SQLite;Data Source=%1").arg(dir.filePath(QStringLiteral("none.db"))),
                QStringLiteral("-Q"), QStringLiteral("select 1")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QLatin1String("unable to open database file"))) << bad.err.toStdString();
}

} // namespace
