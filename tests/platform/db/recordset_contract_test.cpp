// The Connection/Recordset contract, run on the embedded engine and, through QODBC, on
// SQLite's own ODBC driver, so that both code paths execute for real.
#include "platform/db/connection.h"
#include "platform/db/db_errors.h"
#include "qt_printers.h"

#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace zrk;
using namespace zrk::db;

namespace {

struct EngineCase {
    const char* name;
    const char* connectionString; // %1 is the database file
};

bool odbcSqliteDriverInstalled() {
    QFile ini(QStringLiteral("/etc/odbcinst.ini"));
    return ini.open(QIODevice::ReadOnly) && ini.readAll().contains("[SQLite3]");
}

class Contract : public ::testing::TestWithParam<EngineCase> {
protected:
    void SetUp() override {
        const QString cs = QString::fromLatin1(GetParam().connectionString);
        if (cs.contains(QLatin1String("Driver=SQLite3")) && !odbcSqliteDriverInstalled())
            GTEST_SKIP() << "SQLite's ODBC driver is not installed";
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath(QStringLiteral("contract.db"));
        conn.open(cs.arg(file), MissingDatabase::Create);
        conn.execute(QStringLiteral("CREATE TABLE people (id INTEGER NOT NULL PRIMARY KEY, name VARCHAR(40), "
                                    "score FLOAT, note VARCHAR(40) DEFAULT 'none')"));
        conn.execute(
            QStringLiteral("INSERT INTO people (id, name, score, note) VALUES (1, 'Ann', 12.5, NULL)"));
        conn.execute(QStringLiteral("INSERT INTO people (id, name, score, note) VALUES (2, 'bob', 3, 'x')"));
        conn.execute(
            QStringLiteral("INSERT INTO people (id, name, score, note) VALUES (3, 'Cy', 7.25, 'y')"));
    }

    QStringList names(const RecordsetPtr& rs) {
        QStringList out;
        for (rs->moveFirst(); !rs->eof(); rs->moveNext())
            out << rs->value(QStringLiteral("name")).toString();
        return out;
    }

    QTemporaryDir dir;
    QString file;
    Connection conn;
};

TEST_P(Contract, FieldsByNameWithoutRegardToCaseAndNullKept) {
    auto rs = conn.execute(QStringLiteral("SELECT id, name, score, note FROM people ORDER BY id"));
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->fieldCount(), 4);
    EXPECT_EQ(rs->fieldName(2), QStringLiteral("score"));
    EXPECT_EQ(rs->fields(QStringLiteral("NAME")).value().toString(), QStringLiteral("Ann"));
    EXPECT_DOUBLE_EQ(rs->value(QStringLiteral("Score")).toDouble(), 12.5);
    EXPECT_TRUE(rs->value(QStringLiteral("note")).isNull());
    EXPECT_EQ(rs->value(QStringLiteral("id")).toInt32(), 1);
    try {
        rs->fields(QStringLiteral("missing"));
        FAIL() << "a missing field must raise";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), dberr::ItemNotFound);
    }
}

// One recordset asked in turn, as callers ask: in field order, again, in other spellings, and
// for names it lacks; each answer stands whatever was asked before.
TEST_P(Contract, FieldIndexAnswersEverySpellingInAnyOrder) {
    auto rs = conn.execute(QStringLiteral("SELECT id, name, score, note FROM people ORDER BY id"));
    const std::pair<const char*, int> asked[] = {
        {"id", 0},   {"name", 1}, {"score", 2}, {"note", 3}, {"note", 3},     {"NAME", 1},
        {"Name", 1}, {"NAME", 1}, {"score", 2}, {"id", 0},   {"missing", -1}, {"i", -1},
        {"ID", 0},   {"idx", -1}, {"nOtE", 3},  {"name", 1}, {"", -1},        {"SCORE", 2},
    };
    for (const auto& [name, index] : asked)
        EXPECT_EQ(rs->fieldIndex(QString::fromLatin1(name)), index) << name;
    EXPECT_EQ(rs->value(QStringLiteral("NOTE")).isNull(), true);
    EXPECT_EQ(rs->value(QStringLiteral("Name")).toString(), QStringLiteral("Ann"));
}

TEST_P(Contract, NavigationAndRecordCount) {
    auto rs = conn.execute(QStringLiteral("SELECT * FROM people ORDER BY id"));
    EXPECT_EQ(rs->recordCount(), 3);
    EXPECT_FALSE(rs->bof());
    EXPECT_EQ(names(rs), QStringList({"Ann", "bob", "Cy"}));
    EXPECT_TRUE(rs->eof());
    try {
        rs->value(0);
        FAIL() << "reading at EOF must raise";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), dberr::NoCurrentRecord);
    }
    rs->moveLast();
    EXPECT_EQ(rs->value(QStringLiteral("name")).toString(), QStringLiteral("Cy"));
    rs->movePrevious();
    EXPECT_EQ(rs->absolutePosition(), 2);
}

TEST_P(Contract, EmptyResultKeepsItsFields) {
    auto rs = conn.execute(QStringLiteral("SELECT * FROM people WHERE 1=2"));
    ASSERT_TRUE(rs);
    EXPECT_TRUE(rs->eof());
    EXPECT_TRUE(rs->bof());
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_EQ(rs->fieldIndex(QStringLiteral("NOTE")), 3);
}

TEST_P(Contract, StatementsWithoutRowsReturnNoneAndCountChanges) {
    long affected = -1;
    EXPECT_EQ(conn.execute(QStringLiteral("UPDATE people SET score = score + 1 WHERE id > 1"), &affected),
              nullptr);
    EXPECT_EQ(affected, 2);
}

TEST_P(Contract, FilterAndSortChangeTheView) {
    auto rs = conn.execute(QStringLiteral("SELECT * FROM people ORDER BY id"));
    rs->setFilter(QStringLiteral("score > 5"));
    EXPECT_EQ(rs->recordCount(), 2);
    EXPECT_EQ(names(rs), QStringList({"Ann", "Cy"}));
    rs->setSort(QStringLiteral("score DESC"));
    EXPECT_EQ(names(rs), QStringList({"Ann", "Cy"}));
    rs->setSort(QStringLiteral("score"));
    EXPECT_EQ(names(rs), QStringList({"Cy", "Ann"}));
    rs->setFilter(QString());
    EXPECT_EQ(rs->recordCount(), 3);
    EXPECT_EQ(names(rs), QStringList({"bob", "Cy", "Ann"}));
}

TEST_P(Contract, BatchInsertInsideACommittedTransaction) {
    auto rs = conn.openRecordset(QStringLiteral("Select * From people Where 1=2"), LockType::BatchOptimistic);
    conn.beginTrans();
    for (int id : {10, 11}) {
        rs->addNew();
        rs->fields(QStringLiteral("id")).setValue(id);
        rs->fields(QStringLiteral("name")).setValue(QStringLiteral("O'Brien %1").arg(id));
        rs->update();
    }
    EXPECT_EQ(rs->pendingCount(), 2);
    rs->updateBatch();
    conn.commitTrans();
    auto check = conn.execute(QStringLiteral("SELECT name, note FROM people WHERE id >= 10 ORDER BY id"));
    EXPECT_EQ(names(check), QStringList({"O'Brien 10", "O'Brien 11"}));
    check->moveFirst();
    // An unassigned field takes the column's default.
    EXPECT_EQ(check->value(QStringLiteral("note")).toString(), QStringLiteral("none"));
}

TEST_P(Contract, RolledBackBatchLeavesNoRows) {
    auto rs = conn.openRecordset(QStringLiteral("Select * From people Where 1=2"), LockType::BatchOptimistic);
    conn.beginTrans();
    rs->addNew();
    rs->setValue(QStringLiteral("id"), 20);
    rs->update();
    rs->updateBatch();
    conn.rollbackTrans();
    auto check = conn.execute(QStringLiteral("SELECT count(*) FROM people WHERE id = 20"));
    EXPECT_EQ(check->value(0).toInt32(), 0);
}

TEST_P(Contract, FailingBatchInsertsNothing) {
    auto rs = conn.openRecordset(QStringLiteral("Select * From people Where 1=2"), LockType::BatchOptimistic);
    rs->addNew();
    rs->setValue(QStringLiteral("id"), 30);
    rs->addNew();
    rs->setValue(QStringLiteral("id"), 1); // already there
    EXPECT_THROW(rs->updateBatch(), Error);
    auto check = conn.execute(QStringLiteral("SELECT count(*) FROM people WHERE id = 30"));
    EXPECT_EQ(check->value(0).toInt32(), 0);
}

// A new row given up is gone from the recordset: a view built again does not bring it back,
// and the next new row is the one that reaches the table.
TEST_P(Contract, CancelledNewRowStaysGoneWhenTheViewIsBuiltAgain) {
    auto rs = conn.openRecordset(QStringLiteral("Select * From people Where 1=2"), LockType::Optimistic);
    rs->addNew();
    rs->setValue(QStringLiteral("id"), 40);
    rs->setValue(QStringLiteral("name"), QStringLiteral("given up"));
    rs->cancelUpdate();
    EXPECT_EQ(rs->recordCount(), 0);
    rs->setSort(QStringLiteral("id"));
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_EQ(rs->rows().rowCount(), 0);
    rs->addNew();
    rs->setValue(QStringLiteral("id"), 41);
    rs->setValue(QStringLiteral("name"), QStringLiteral("kept"));
    rs->update();
    rs->setFilter(QStringLiteral("id > 0"));
    EXPECT_EQ(names(rs), QStringList({"kept"}));
    auto check = conn.execute(QStringLiteral("SELECT id FROM people WHERE id >= 40"));
    ASSERT_EQ(check->recordCount(), 1);
    EXPECT_EQ(check->value(0).toInt32(), 41);
}

TEST_P(Contract, ReadOnlyRecordsetRefusesChanges) {
    auto rs = conn.execute(QStringLiteral("SELECT * FROM people"));
    try {
        rs->addNew();
        FAIL() << "a read-only recordset must refuse new rows";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), dberr::UpdateNotSupported);
    }
    auto updatable = conn.openRecordset(QStringLiteral("Select * From people"), LockType::Optimistic);
    EXPECT_THROW(updatable->setValue(QStringLiteral("name"), QStringLiteral("changed")), Error);
}

TEST_P(Contract, EngineErrorsCarryTheEngineText) {
    try {
        conn.execute(QStringLiteral("SELECT * FROM no_such_table"));
        FAIL() << "a missing table must raise";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QLatin1String("no_such_table")))
            << e.description().toStdString();
    }
}

TEST_P(Contract, TransactionsDoNotNestAndClosedConnectionsRefuseWork) {
    conn.beginTrans();
    EXPECT_THROW(conn.beginTrans(), Error);
    conn.rollbackTrans();
    EXPECT_THROW(conn.commitTrans(), Error);
    conn.close();
    EXPECT_EQ(conn.state(), 0);
    try {
        conn.execute(QStringLiteral("SELECT 1"));
        FAIL() << "a closed connection must raise";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), dberr::ObjectClosed);
    }
    conn.open(); // reopens with the kept string
    EXPECT_EQ(conn.state(), 1);
    EXPECT_EQ(conn.execute(QStringLiteral("SELECT count(*) FROM people"))->value(0).toInt32(), 3);
}

INSTANTIATE_TEST_SUITE_P(Engines, Contract,
                         ::testing::Values(EngineCase{"Embedded", "Provider=SQLite;Data Source=%1"},
                                           EngineCase{"Odbc", "Provider=ODBC;Driver=SQLite3;Database=%1"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Creation is granted by the program that opens, never by the string: a launch's connection
// string with "Create=True" makes no empty file anywhere.
TEST(ConnectionOpen, ACreateItemInTheStringMakesNoNewDatabase) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("planted.db"));
    Connection conn;
    EXPECT_THROW(conn.open(QStringLiteral("Provider=SQLite;Data Source=%1;Create=True").arg(file)), Error);
    EXPECT_FALSE(QFile::exists(file));
    conn.open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(file), MissingDatabase::Create);
    EXPECT_TRUE(QFile::exists(file));
}

// Two writers that both read before they write: the later one waits for the earlier one's
// commit and both land, where the engine used to refuse one of them at once ("database is locked").
TEST(ConnectionTransactions, TwoWritersThatReadFirstBothLand) {
    QTemporaryDir dir;
    const QString cs =
        QStringLiteral("Provider=SQLite;Data Source=%1").arg(dir.filePath(QStringLiteral("w.db")));
    {
        Connection setup;
        setup.open(cs, MissingDatabase::Create);
        setup.execute(QStringLiteral("CREATE TABLE t (FID int NOT NULL)"));
    }
    QSemaphore firstHasRead;
    QString firstError;
    std::unique_ptr<QThread> first(QThread::create([&] {
        try {
            Connection conn;
            conn.open(cs);
            conn.beginTrans();
            conn.execute(QStringLiteral("SELECT count(*) FROM t"));
            firstHasRead.release();
            QThread::msleep(300);
            conn.execute(QStringLiteral("INSERT INTO t (FID) VALUES (1)"));
            conn.commitTrans();
        } catch (const Error& e) {
            firstError = e.description();
        }
    }));
    first->start();
    firstHasRead.acquire();
    Connection second;
    second.open(cs);
    second.beginTrans();
    second.execute(QStringLiteral("SELECT count(*) FROM t"));
    second.execute(QStringLiteral("INSERT INTO t (FID) VALUES (2)"));
    second.commitTrans();
    first->wait();
    EXPECT_TRUE(firstError.isEmpty()) << firstError.toStdString();
    EXPECT_EQ(second.execute(QStringLiteral("SELECT count(*) FROM t"))->value(0).toInt32(), 2);
}

TEST(ConnectionOpen, MissingEmbeddedFileIsAnErrorNotANewDatabase) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("absent.db"));
    Connection conn;
    try {
        conn.open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(file));
        FAIL() << "opening a missing file must raise";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QLatin1String("unable to open database file")))
            << e.description().toStdString();
    }
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(conn.state(), 0);
}

TEST(ConnectionOpen, UnknownProviderAndUnreachableServerRaiseEngineErrors) {
    Connection conn;
    try {
        conn.open(QStringLiteral("Provider=Nonsense.1;Data Source=x"));
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), dberr::ProviderNotFound);
        EXPECT_TRUE(e.description().contains(QLatin1String("Nonsense.1")));
    }
    try {
        conn.open(QStringLiteral("Provider=ODBC;Driver=NoSuchDriver;Database=x"));
        FAIL();
    } catch (const Error& e) {
        EXPECT_FALSE(e.description().isEmpty());
        EXPECT_EQ(e.number(), dberr::EngineFailure);
    }
}

TEST(ConnectionOpen, EachConnectionHasItsOwnDatabase) {
    QTemporaryDir dir;
    Connection a;
    Connection b;
    a.open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(dir.filePath(QStringLiteral("a.db"))),
           MissingDatabase::Create);
    b.open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(dir.filePath(QStringLiteral("b.db"))),
           MissingDatabase::Create);
    a.execute(QStringLiteral("create table only_a (x int)"));
    EXPECT_THROW(b.execute(QStringLiteral("select * from only_a")), Error);
    a.close();
    EXPECT_TRUE(b.execute(QStringLiteral("select 1")));
}

} // namespace
