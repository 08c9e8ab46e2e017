// Fetching through the Recordset against stepping the same rows with the raw sqlite3 API, and
// filtering the fetched rows.
#include "platform/db/connection.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kRows = 100000;

// A table of 100,000 rows and 10 columns: integers, reals, short texts and a date.
void createTable(const QString& file) {
    zrk::db::Connection conn;
    conn.open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(file), zrk::db::MissingDatabase::Create);
    conn.execute(QStringLiteral(
        "CREATE TABLE t (c0 int NOT NULL PRIMARY KEY, c1 int, c2 float, c3 nvarchar(40), "
        "c4 nvarchar(40), c5 int, c6 decimal(18,4), c7 nvarchar(80), c8 smallint, c9 datetime)"));
    conn.beginTrans();
    conn.execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < 100000) "
        "INSERT INTO t SELECT i, i % 1000, i * 0.5, 'name' || i, 'code-' || (i % 97), i * 7, i / 3.0, "
        "'a longer description text for row ' || i, i % 300, '2024-01-01 00:00:00' FROM n"));
    conn.commitTrans();
}

void rawFetch(benchmark::State& state, const QString& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM t", -1, &st, nullptr);
        long long sum = 0;
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int i = 0; i < n; ++i) {
                switch (sqlite3_column_type(st, i)) {
                case SQLITE_INTEGER:
                    sum += sqlite3_column_int64(st, i);
                    break;
                case SQLITE_FLOAT:
                    sum += static_cast<long long>(sqlite3_column_double(st, i));
                    break;
                case SQLITE_TEXT:
                    benchmark::DoNotOptimize(sqlite3_column_text(st, i));
                    sum += sqlite3_column_bytes(st, i);
                    break;
                default:
                    break;
                }
            }
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(sum);
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kRows);
}

// The fair baseline of a read: the same stepping, making the toolkit's value of every cell (the
// number, or a QString of each text) as a caller of the raw interface would have to.
void rawFetchToolkitValues(benchmark::State& state, const QString& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM t", -1, &st, nullptr);
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int i = 0; i < n; ++i) {
                switch (sqlite3_column_type(st, i)) {
                case SQLITE_INTEGER:
                    benchmark::DoNotOptimize(sqlite3_column_int64(st, i));
                    break;
                case SQLITE_FLOAT:
                    benchmark::DoNotOptimize(sqlite3_column_double(st, i));
                    break;
                case SQLITE_TEXT: {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                    QString value = QString::fromUtf8(text, sqlite3_column_bytes(st, i));
                    benchmark::DoNotOptimize(value);
                    break;
                }
                default:
                    break;
                }
            }
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kRows);
}

void recordsetFetch(benchmark::State& state, const QString& file) {
    zrk::db::Connection conn;
    conn.open(QStringLiteral("Provider=SQLite;Data Source=%1;Mode=Read").arg(file));
    for (auto _ : state) {
        auto rs = conn.execute(QStringLiteral("SELECT * FROM t"));
        benchmark::DoNotOptimize(rs->recordCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void recordsetFetchAndRead(benchmark::State& state, const QString& file) {
    zrk::db::Connection conn;
    conn.open(QStringLiteral("Provider=SQLite;Data Source=%1;Mode=Read").arg(file));
    for (auto _ : state) {
        auto rs = conn.execute(QStringLiteral("SELECT * FROM t"));
        const int n = rs->fieldCount();
        for (; !rs->eof(); rs->moveNext())
            for (int i = 0; i < n; ++i)
                benchmark::DoNotOptimize(rs->value(i));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

// Reading by name, the way report code reads its fields.
void recordsetFetchAndReadByName(benchmark::State& state, const QString& file) {
    zrk::db::Connection conn;
    conn.open(QStringLiteral("Provider=SQLite;Data Source=%1;Mode=Read").arg(file));
    const QStringList names = {QStringLiteral("c0"), QStringLiteral("c1"), QStringLiteral("c2"),
                               QStringLiteral("c3"), QStringLiteral("c4"), QStringLiteral("c5"),
                               QStringLiteral("c6"), QStringLiteral("c7"), QStringLiteral("c8"),
                               QStringLiteral("c9")};
    for (auto _ : state) {
        auto rs = conn.execute(QStringLiteral("SELECT * FROM t"));
        for (; !rs->eof(); rs->moveNext())
            for (const QString& name : names)
                benchmark::DoNotOptimize(rs->value(name));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void recordsetFilter(benchmark::State& state, const QString& file, const QString& filter) {
    zrk::db::Connection conn;
    conn.open(QStringLiteral("Provider=SQLite;Data Source=%1;Mode=Read").arg(file));
    auto rs = conn.execute(QStringLiteral("SELECT * FROM t"));
    for (auto _ : state) {
        rs->setFilter(filter);
        benchmark::DoNotOptimize(rs->recordCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void recordsetSort(benchmark::State& state, const QString& file) {
    zrk::db::Connection conn;
    conn.open(QStringLiteral("Provider=SQLite;Data Source=%1;Mode=Read").arg(file));
    auto rs = conn.execute(QStringLiteral("SELECT * FROM t"));
    for (auto _ : state) {
        rs->setSort(QStringLiteral("c1 DESC, c3"));
        benchmark::DoNotOptimize(rs->recordCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.db"));
    createTable(file);
    benchmark::RegisterBenchmark("Fetch100k/RawSqlite", [&](benchmark::State& s) {
        rawFetch(s, file);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Fetch100k/Recordset", [&](benchmark::State& s) {
        recordsetFetch(s, file);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Fetch100k/RawSqliteToolkitValues", [&](benchmark::State& s) {
        rawFetchToolkitValues(s, file);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Fetch100k/RecordsetReadEveryValueByName", [&](benchmark::State& s) {
        recordsetFetchAndReadByName(s, file);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Fetch100k/RecordsetReadEveryValue", [&](benchmark::State& s) {
        recordsetFetchAndRead(s, file);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Filter100k/NumberAndLike", [&](benchmark::State& s) {
        recordsetFilter(s, file, QStringLiteral("c1 > 500 and c4 like 'code-1*'"));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Filter100k/TextEquals", [&](benchmark::State& s) {
        recordsetFilter(s, file, QStringLiteral("c3 = 'NAME4242' or c8 = 7"));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Sort100k/TwoKeys", [&](benchmark::State& s) {
        recordsetSort(s, file);
    })->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
