// Every report source with the parameters the console sends (today, this month, this year,
// before today) on a demo account set, beside the bare aggregate SQL of the same question run
// with sqlite3's C interface. Usage: report_sources_bench <demo.zrkdb> [repetitions]
#include "core/console_context.h"
#include "core/roles/report_roles.h"
#include "platform/scripted_messages.h"
#include "reports/report_components.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <vector>

namespace {

using namespace zrk;
using I16 = std::int16_t;

class NoWindows : public WindowFinder {
public:
    std::optional<unsigned long> findTopLevel(const QString&) override { return std::nullopt; }
    bool postClose(unsigned long) override { return false; }
};

struct Range {
    const char* name;
    QString begin, end;
};

DictionaryPtr dict(std::initializer_list<std::pair<QString, Variant>> items) {
    return std::make_shared<Dictionary>(items);
}

double median(std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    const std::size_t n = runs.size();
    return n % 2 ? runs[n / 2] : (runs[n / 2 - 1] + runs[n / 2]) / 2;
}

// The bare question: one aggregate statement, stepped to the end; the median milliseconds of the
// runs.
double bareMs(sqlite3* db, const QString& sql, int repetitions) {
    std::vector<double> runs;
    const QByteArray text = sql.toUtf8();
    for (int r = 0; r < repetitions; ++r) {
        QElapsedTimer t;
        t.start();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, text.constData(), -1, &st, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s\n%s\n", sqlite3_errmsg(db), text.constData());
            return -1;
        }
        while (sqlite3_step(st) == SQLITE_ROW) {
        }
        sqlite3_finalize(st);
        runs.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    return median(runs);
}

double sourceMs(const std::function<void()>& run, int repetitions) {
    std::vector<double> runs;
    for (int r = 0; r < repetitions; ++r) {
        QElapsedTimer t;
        t.start();
        run();
        runs.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    return median(runs);
}

QString day(const QString& text) {
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}
QString nextDay(const QString& text) {
    return day(QDate::fromString(text, QStringLiteral("yyyy-MM-dd"))
                   .addDays(1)
                   .toString(QStringLiteral("yyyy-MM-dd")));
}

QString bareReceivables(const Range& r) {
    return QStringLiteral("SELECT c.FItemID, SUM(m.a) FROM (SELECT FObjectID AS id, FAmount AS a FROM "
                          "t_RP_InitBal WHERE FType = 1 "
                          "UNION ALL SELECT s.FCustID, e.FAmount + e.FTaxAmount FROM ICSale s JOIN "
                          "ICSaleEntry e ON e.FInterID = "
                          "s.FInterID WHERE s.FCancellation = 0 AND s.FDate < %1 UNION ALL SELECT FCustID, "
                          "-FAmount FROM "
                          "t_RP_Receipt WHERE FCancellation = 0 AND FDate < %1) m JOIN t_Organization c ON "
                          "c.FItemID = m.id "
                          "GROUP BY c.FItemID")
        .arg(nextDay(r.end));
}

// Per item: ordered and committed in the base unit, with the item's and its class's texts.
QString bareOrders(const Range& r, const char* kind) {
    return QStringLiteral(
               "SELECT i.FItemID, i.FNumber, i.FName, i.FModel, g.FNumber, g.FName, x.q, x.c FROM (SELECT "
               "e.FItemID AS id, SUM(e.FQty * u.FCoefficient) AS q, SUM(e.FStockQty * u.FCoefficient) AS c "
               "FROM %1Order o JOIN %1OrderEntry e ON e.FInterID = o.FInterID JOIN t_MeasureUnit u ON "
               "u.FMeasureUnitID = e.FUnitID WHERE o.FCancellation = 0 AND o.FDate >= %2 AND o.FDate < %3 "
               "GROUP BY e.FItemID) x JOIN t_ICItem i ON i.FItemID = x.id LEFT JOIN t_Item g ON g.FItemID "
               "= i.FParentID ORDER BY g.FNumber, i.FNumber")
        .arg(QLatin1String(kind), day(r.begin), nextDay(r.end));
}

// Per item: the eight quantities and amounts moved in and out.
QString bareMovement(const Range& r) {
    QStringList sums;
    for (const char* types : {"1", "1, 10", "21", "21"})
        for (const char* value : {"e.FQty * u.FCoefficient", "e.FAmount"})
            sums << QStringLiteral("SUM(CASE WHEN b.FTranType IN (%1) THEN %2 ELSE 0 END)")
                        .arg(QLatin1String(types), QLatin1String(value));
    return QStringLiteral(
               "SELECT i.FItemID, i.FNumber, i.FName, i.FModel, x.* FROM (SELECT e.FItemID AS id, %1 FROM "
               "ICStockBill b JOIN ICStockBillEntry e ON e.FInterID = b.FInterID JOIN t_MeasureUnit u ON "
               "u.FMeasureUnitID = e.FUnitID WHERE b.FCancellation = 0 AND b.FDate >= %2 AND b.FDate < %3 "
               "AND b.FTranType IN (1, 10, 21) GROUP BY e.FItemID) x JOIN t_ICItem i ON i.FItemID = x.id "
               "ORDER BY i.FNumber")
        .arg(sums.join(QStringLiteral(", ")), day(r.begin), nextDay(r.end));
}

QString bareProfit(const Range& r) {
    return QStringLiteral(
               "SELECT b.FSupplyID, SUM(e.FConsignAmount - e.FAmount) FROM ICStockBill b JOIN "
               "ICStockBillEntry e ON e.FInterID = b.FInterID WHERE b.FTranType = 21 AND b.FCancellation "
               "= 0 AND b.FDate >= %1 AND b.FDate < %2 GROUP BY +b.FSupplyID")
        .arg(day(r.begin), nextDay(r.end));
}

const QString kBareDeviation = QStringLiteral(
    "SELECT i.FItemID FROM t_ICItem i LEFT JOIN (SELECT FItemID, SUM(FQty) AS qty FROM ICInventory GROUP BY "
    "FItemID) s ON s.FItemID = i.FItemID WHERE i.FDeleted = 0 AND COALESCE(s.qty, 0) < i.FSecInv");

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: report_sources_bench <demo.zrkdb> [repetitions]\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 3;
    QTemporaryDir dir;
    ScriptedMessages prompts;
    NoWindows windows;
    ConsoleContext ctx(SettingsStore::portable(dir.path()), prompts, windows);
    ctx.texts().languageCode = 1;
    auto connection = std::make_shared<db::Connection>();
    connection->open(QStringLiteral("Provider=SQLite;Data Source=") + file);
    ctx.session().companyConnection = connection;
    reports::registerReportComponents(ctx);
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);

    const QDate today = QDate::currentDate();
    const auto fmt = [](const QDate& d) { return d.toString(QStringLiteral("yyyy-MM-dd")); };
    const Range ranges[] = {{"本日", fmt(today), fmt(today)},
                            {"本月", fmt(QDate(today.year(), today.month(), 1)), fmt(today)},
                            {"本年", fmt(QDate(today.year(), 1, 1)), fmt(today)},
                            {"今天之前", QStringLiteral("1900-06-01"), fmt(today.addDays(-1))}};
    const QString props = QStringLiteral("ConnectString={Provider=SQLite;Data Source=%1};").arg(file);
    auto numbered = [&](const QString& progId, I16 id, const DictionaryPtr& params) {
        auto report = queryInterface<INumberedReport>(ctx.components().create(progId));
        report->setRptID(id);
        report->setExtFirter(id);
        report->setFilter(params);
        report->getReportData();
        report->rs()->setFilter(QStringLiteral("Fsumsort<>101"));
    };
    QTextStream out(stdout);
    out << "source\trange\tsource ms\tbare ms\tratio\n";
    auto row = [&](const char* source, const char* range, const std::function<void()>& run,
                   const QString& bare) {
        const double s = sourceMs(run, repetitions), b = bareMs(db, bare, repetitions);
        out << source << '\t' << range << '\t' << QString::number(s, 'f', 1) << '\t'
            << QString::number(b, 'f', 1) << '\t' << QString::number(s / b, 'f', 2) << '\n';
        out.flush();
    };
    for (const Range& r : ranges) {
        row(
            "131 receivables", r.name,
            [&] {
                auto arap = queryInterface<IArApReports>(ctx.components().create(kArApReportsProgId));
                DictionaryPtr p = dict({{"OK", true},
                                        {"BDate", r.begin},
                                        {"EDate", r.end},
                                        {"CurrencyID", QStringLiteral("0")},
                                        {"ExportNoInvoice", I16(0)},
                                        {"IncludeNotAudit", I16(1)}});
                arap->getRpt131Data(props, p);
            },
            bareReceivables(r));
        for (bool sales : {false, true}) {
            row(
                sales ? "138 sales orders" : "119 purchase orders", r.name,
                [&] {
                    auto p =
                        dict({{"OK", true}, {"BDate", r.begin}, {"EDate", r.end}, {"CheckState", I16(2)}});
                    p->set(sales ? QStringLiteral("CloseState") : QStringLiteral("CheckClose"),
                           I16(sales ? 0 : 2));
                    p->set(QStringLiteral("OrderType"), I16(sales ? 20302 : -1));
                    numbered(sales ? kSalesReportsRpt138ProgId : kPurchaseReportsRpt119ProgId,
                             sales ? 138 : 119, p);
                },
                bareOrders(r, sales ? "SE" : "PO"));
        }
        row(
            "171 stock movement", r.name,
            [&] {
                numbered(kStockReportsRpt171ProgId, 171,
                         dict({{"OK", true}, {"BDate", r.begin}, {"EDate", r.end}}));
            },
            bareMovement(r));
        row(
            "2167 profit by customer", r.name,
            [&] {
                auto fields = dict({{"FItemClassID", I16(1)}, {"FName", QStringLiteral("客户")}});
                numbered(kCostReportsRpt2167ProgId, 2167,
                         dict({{"OK", true},
                               {"BeginDate", r.begin},
                               {"EndDate", r.end},
                               {"SumMode", I16(0)},
                               {"SumField", fields},
                               {"OnlyShowSum", I16(1)},
                               {"FilterOption", I16(2)},
                               {"Orderby", QStringLiteral(" FProfit DESC ")}}));
            },
            bareProfit(r));
    }
    row(
        "112 shortage", "-",
        [&] {
            numbered(
                kStockReportsRpt112ProgId, 112,
                dict({{"OK", true}, {"AType", I16(2)}, {"Orderby", QStringLiteral(" FBUUnitDiff ASC ")}}));
        },
        kBareDeviation);
    sqlite3_close(db);
    return 0;
}
