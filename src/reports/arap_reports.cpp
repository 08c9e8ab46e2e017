#include "reports/arap_reports.h"

#include "platform/db/connection.h"
#include "reports/arap_sql.h"
#include "reports/report_database.h"
#include "reports/report_params.h"
#include "reports/report_table.h"
#include "session/texts.h"

namespace zrk::reports {

namespace {

// The keys and field names in which the two reports differ.
struct ArApReport {
    ArApSide side;
    QString noInvoiceKey;
    QString firstNumberKey;
    QString lastNumberKey;
    QString idField;
    QString numberField;
    QString nameField;
    QString settledForField;
    QString settledField;
};

const ArApReport& receivables() {
    static const ArApReport report{{QStringLiteral("t_Organization"), 1, QStringLiteral("ICSale"),
                                    QStringLiteral("FCustID"), 21, QStringLiteral("SEOrder"),
                                    QStringLiteral("t_RP_Receipt"), QStringLiteral("FCustID")},
                                   QStringLiteral("ExportNoInvoice"),
                                   QStringLiteral("BCustNumber"),
                                   QStringLiteral("ECustNumber"),
                                   QStringLiteral("FCustID"),
                                   QStringLiteral("FCustNumber"),
                                   QStringLiteral("FCustName"),
                                   QStringLiteral("FReceiveAmountFor"),
                                   QStringLiteral("FReceiveAmount")};
    return report;
}

const ArApReport& payables() {
    static const ArApReport report{{QStringLiteral("t_Supplier"), 2, QStringLiteral("ICPurchase"),
                                    QStringLiteral("FSupplyID"), 1, QStringLiteral("POOrder"),
                                    QStringLiteral("t_RP_Payment"), QStringLiteral("FSupplyID")},
                                   QStringLiteral("InportNoInvoice"),
                                   QStringLiteral("BSupplyNumber"),
                                   QStringLiteral("ESupplyNumber"),
                                   QStringLiteral("FSupplyID"),
                                   QStringLiteral("FSupplyNumber"),
                                   QStringLiteral("FSupplyName"),
                                   QStringLiteral("FPayAmountFor"),
                                   QStringLiteral("FPayAmount")};
    return report;
}

ArApQuery readQuery(const ReportParams& params, const ArApReport& report) {
    params.requireOk();
    const auto range = params.dateRange(QStringLiteral("BDate"), QStringLiteral("EDate"));
    ArApQuery query;
    query.begin = range.begin;
    query.end = range.end;
    query.currencyId = params.integerOrDigits(QStringLiteral("CurrencyID"));
    query.withUninvoiced = params.choice(report.noInvoiceKey, {0, 1}, 0) == 1;
    query.includeUnaudited = params.choice(QStringLiteral("IncludeNotAudit"), {0, 1}, 1) == 1;
    query.firstNumber = params.text(report.firstNumberKey);
    query.lastNumber = params.text(report.lastNumberKey);
    return query;
}

void requireCurrency(db::Connection& connection, const ReportParams& params, std::int32_t currencyId) {
    if (currencyId == 0)
        return;
    const auto found = connection.execute(
        QStringLiteral("SELECT COUNT(*) FROM t_Currency WHERE FCurrencyID = %1").arg(currencyId));
    if (wholeNumber(found->value(0)) != 1)
        params.refuse(QStringLiteral("CurrencyID"));
}

struct Figures {
    Cents begin = 0, raised = 0, settled = 0;
    Cents remain() const { return begin + raised - settled; }
    void add(const Figures& f) {
        begin += f.begin;
        raised += f.raised;
        settled += f.settled;
    }
};

void appendRow(ReportTable& table, std::int32_t id, const QString& number, const QString& name,
               const Figures& f, std::int32_t sumSort) {
    table.integer(id).text(number).text(name).money(f.begin).money(f.raised).money(f.raised);
    table.money(f.settled).money(f.settled).money(f.remain()).money(f.remain()).integer(sumSort);
}

db::RecordsetPtr compute(ConsoleContext& ctx, const ArApReport& report, const QString& propsString,
                         const DictionaryPtr& parameters) {
    const ReportParams params(ctx, kArApReportsProgId, parameters);
    const ArApQuery query = readQuery(params, report);
    const bool balanceNotZero = params.choice(QStringLiteral("BalanceNotZero"), {0, 1}, 0) == 1;
    const auto connection = reportConnection(ctx, propsString);
    const ArApSide& s = report.side;
    requireTables(ctx, *connection, kArApReportsProgId,
                  {s.partyTable, QStringLiteral("t_Currency"), QStringLiteral("t_RP_InitBal"), s.invoiceTable,
                   s.invoiceTable + QStringLiteral("Entry"), QStringLiteral("ICStockBill"),
                   QStringLiteral("ICStockBillEntry"), s.orderTable, s.orderTable + QStringLiteral("Entry"),
                   s.settleTable});
    requireCurrency(*connection, params, query.currencyId);
    const auto rows = connection->execute(arApSql(report.side, query));
    using K = db::FieldKind;
    ReportTable table({{report.idField, K::Int32},
                       {report.numberField, K::Text},
                       {report.nameField, K::Text},
                       {QStringLiteral("FBeginAmount"), K::Double},
                       {QStringLiteral("FAmountFor"), K::Double},
                       {QStringLiteral("FAmount"), K::Double},
                       {report.settledForField, K::Double},
                       {report.settledField, K::Double},
                       {QStringLiteral("FRemainAmountFor"), K::Double},
                       {QStringLiteral("FRemainAmount"), K::Double},
                       {QStringLiteral("Fsumsort"), K::Int32}});
    Figures total;
    for (; !rows->eof(); rows->moveNext()) {
        const Figures f{wholeNumber(rows->value(3)), wholeNumber(rows->value(4)),
                        wholeNumber(rows->value(5))};
        if (balanceNotZero && f.remain() == 0)
            continue;
        appendRow(table, rows->value(0).toInt32(), rows->value(1).toString(), rows->value(2).toString(), f,
                  kSumSortDetail);
        total.add(f);
    }
    appendRow(table, 0, QString(), translate(ctx, QStringLiteral("合计")), total, kSumSortGrandTotal);
    return table.recordset();
}

} // namespace

db::RecordsetPtr ArApReportsData::getRpt131Data(const QString& propsString, DictionaryPtr& parameters,
                                                const Variant& /*mode*/) {
    return compute(ctx_, receivables(), propsString, parameters);
}

db::RecordsetPtr ArApReportsData::getRpt132Data(const QString& propsString, DictionaryPtr& parameters,
                                                const Variant& /*mode*/) {
    return compute(ctx_, payables(), propsString, parameters);
}

} // namespace zrk::reports
