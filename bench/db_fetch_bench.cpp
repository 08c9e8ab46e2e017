// Fetching through the Recordset against stepping the same rows with the raw sqlite3 API, reading
// every value against a raw loop that makes the same values, and filtering and sorting the
// fetched rows.
//
// First a table of pairs (each measurement against its baseline, run in turns so that both see
// the same load, median of --runs=N runs, CPU time of the thread and wall time), then the
// Google Benchmark cases for filter and sort (--benchmark_* flags apply to those; --table-only
// stops after the table).
#include "platform/db/connection.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int kRows = 100000;

// A table of 100,000 rows and 10 columns: integers, reals, short texts and a date. A hundred
// rows share a day, as the entries of a day's business do.
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
        "'a longer description text for row ' || i, i % 300, "
        "datetime('2022-01-01', '+' || CAST(i / 100 AS int) || ' days') FROM n"));
    // The same count of moments, each its own: the dates of a column of time stamps.
    conn.execute(QStringLiteral("CREATE TABLE moments (m datetime)"));
    conn.execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < 100000) "
        "INSERT INTO moments SELECT datetime('2022-01-01', '+' || (i * 37) || ' seconds') FROM n"));
    conn.commitTrans();
}

// Raw stepping: every cell is looked at as the engine gives it, nothing is kept.
class RawReader {
public:
    explicit RawReader(const QString& file) {
        // Without the engine's own locks, the fastest way to read the file from one thread.
        sqlite3_open_v2(file.toUtf8().constData(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    }
    ~RawReader() { sqlite3_close(db_); }
    RawReader(const RawReader&) = delete;
    RawReader& operator=(const RawReader&) = delete;

    // makeValues: each cell also becomes the toolkit's value, a QString of each text and the
    // number of each number, as a reader of the rows needs them.
    void run(bool makeValues, const char* sql = "SELECT * FROM t") {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &st, nullptr);
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
                case SQLITE_TEXT: {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                    const int bytes = sqlite3_column_bytes(st, i);
                    if (makeValues) {
                        QString value = QString::fromUtf8(text, bytes);
                        benchmark::DoNotOptimize(value);
                        sum += value.size();
                    } else {
                        benchmark::DoNotOptimize(text);
                        sum += bytes;
                    }
                    break;
                }
                default:
                    break;
                }
            }
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(sum);
    }

private:
    sqlite3* db_ = nullptr;
};

class RecordsetReader {
public:
    explicit RecordsetReader(const QString& file) {
        conn_.open(QStringLiteral("Provider=SQLite;Data Source=%1;Mode=Read").arg(file));
        for (int i = 0; i < 10; ++i)
            names_.push_back(QStringLiteral("c%1").arg(i));
    }

    void fetch() {
        auto rs = conn_.execute(QStringLiteral("SELECT * FROM t"));
        benchmark::DoNotOptimize(rs->recordCount());
    }
    void readByIndex(const QString& sql = QStringLiteral("SELECT * FROM t")) {
        auto rs = conn_.execute(sql);
        const int n = rs->fieldCount();
        for (; !rs->eof(); rs->moveNext())
            for (int i = 0; i < n; ++i) {
                zrk::Variant v = rs->value(i);
                benchmark::DoNotOptimize(v);
            }
    }
    // The names as a caller writes them, each made once (a literal in the caller's code).
    void readByName() {
        auto rs = conn_.execute(QStringLiteral("SELECT * FROM t"));
        for (; !rs->eof(); rs->moveNext())
            for (const QString& name : names_) {
                zrk::Variant v = rs->value(name);
                benchmark::DoNotOptimize(v);
            }
    }

private:
    zrk::db::Connection conn_;
    std::vector<QString> names_;
};

struct Timing {
    double cpuMs;
    double wallMs;
};

Timing timeOnce(const std::function<void()>& work) {
    timespec c0{}, c1{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c0);
    const auto w0 = std::chrono::steady_clock::now();
    work();
    const auto w1 = std::chrono::steady_clock::now();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c1);
    const double cpu = double(c1.tv_sec - c0.tv_sec) * 1e3 + double(c1.tv_nsec - c0.tv_nsec) / 1e6;
    return {cpu, std::chrono::duration<double, std::milli>(w1 - w0).count()};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

struct Measurement {
    const char* name;
    std::function<void()> work;
    std::vector<double> cpu, wall;
};

struct Ratio {
    const char* name;
    std::size_t subject, baseline;
    const char* target;
};

// Runs every measurement once per round, in turns, and prints the medians and the ratios.
void printTable(const QString& file, int runs) {
    RawReader raw(file);
    RecordsetReader rs(file);
    std::vector<Measurement> m = {
        {"raw stepping", [&] { raw.run(false); }, {}, {}},
        {"Recordset fetch", [&] { rs.fetch(); }, {}, {}},
        {"raw stepping + values made", [&] { raw.run(true); }, {}, {}},
        {"fetch + read all by index", [&] { rs.readByIndex(); }, {}, {}},
        {"fetch + read all by name", [&] { rs.readByName(); }, {}, {}},
        {"moments: values made", [&] { raw.run(true, "SELECT m FROM moments"); }, {}, {}},
        {"moments: fetch + read by index",
         [&] { rs.readByIndex(QStringLiteral("SELECT m FROM moments")); },
         {},
         {}},
    };
    const std::vector<Ratio> ratios = {
        {"fetch / raw stepping", 1, 0, "1.30"},
        {"read by index / values made", 3, 2, "1.50"},
        {"read by name / values made", 4, 2, "1.50"},
        // Each distinct moment becomes a date of the local time zone, which the toolkit works
        // out with the system's time-zone rules: the price of a date, watched, not a target.
        {"moments: read / values made", 6, 5, "-"},
    };
    for (Measurement& x : m) // warm the file cache and the allocator
        x.work();
    for (int r = 0; r < runs; ++r)
        for (Measurement& x : m) {
            const Timing t = timeOnce(x.work);
            x.cpu.push_back(t.cpuMs);
            x.wall.push_back(t.wallMs);
        }
    std::printf("%d rows x 10 columns, median of %d runs\n", kRows, runs);
    std::printf("%-32s %10s %10s\n", "measurement", "cpu ms", "wall ms");
    for (const Measurement& x : m)
        std::printf("%-32s %10.1f %10.1f\n", x.name, median(x.cpu), median(x.wall));
    std::printf("%-32s %10s %10s %8s\n", "ratio", "cpu", "wall", "target");
    for (const Ratio& q : ratios)
        std::printf("%-32s %10.2f %10.2f %8s\n", q.name, median(m[q.subject].cpu) / median(m[q.baseline].cpu),
                    median(m[q.subject].wall) / median(m[q.baseline].wall), q.target);
    std::fflush(stdout);
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
    int runs = 9;
    bool tableOnly = false;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--runs=", 7) == 0)
            runs = std::max(1, std::atoi(argv[i] + 7));
        else if (std::strcmp(argv[i], "--table-only") == 0)
            tableOnly = true;
        else
            rest.push_back(argv[i]);
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.db"));
    createTable(file);
    printTable(file, runs);
    if (tableOnly)
        return 0;
    benchmark::RegisterBenchmark("Filter100k/NumberAndLike", [&](benchmark::State& s) {
        recordsetFilter(s, file, QStringLiteral("c1 > 500 and c4 like 'code-1*'"));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Filter100k/TextEquals", [&](benchmark::State& s) {
        recordsetFilter(s, file, QStringLiteral("c3 = 'NAME4242' or c8 = 7"));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Filter100k/DateRange", [&](benchmark::State& s) {
        recordsetFilter(s, file, QStringLiteral("c9 >= #2022-06-01# and c9 < #2022-07-01#"));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Sort100k/TwoKeys", [&](benchmark::State& s) {
        recordsetSort(s, file);
    })->Unit(benchmark::kMillisecond);
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
