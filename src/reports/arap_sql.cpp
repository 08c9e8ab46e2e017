#include "reports/arap_sql.h"

#include "platform/db/sql_literal.h"
#include "reports/report_database.h"
#include "reports/report_table.h"

#include <QStringList>

namespace zrk::reports {

namespace {

// The texts each part of the query shares.
struct Parts {
    QString begin;    // the first day
    QString afterEnd; // the day after the last
    QString amount;   // FAmount or FAmountFor
    QString tax;      // FTaxAmount or FTaxAmountFor
    const ArApQuery& query;

    QString currency(const QString& alias) const {
        return query.currencyId == 0
                   ? QString()
                   : QStringLiteral(" AND %1.FCurrencyID = %2").arg(alias).arg(query.currencyId);
    }
    QString audited(const QString& alias) const {
        return query.includeUnaudited ? QString() : QStringLiteral(" AND %1.FStatus = 1").arg(alias);
    }
    // FBegin, FRaised, FSettled of one document line dated in alias.FDate.
    QString split(const QString& alias, const QString& cents, bool settles) const {
        const QString before = QStringLiteral("CASE WHEN %1.FDate < %2 THEN %3 ELSE 0 END")
                                   .arg(alias, begin, settles ? QStringLiteral("-") + cents : cents);
        const QString within =
            QStringLiteral("CASE WHEN %1.FDate >= %2 THEN %3 ELSE 0 END").arg(alias, begin, cents);
        return settles ? QStringLiteral("%1, 0, %2").arg(before, within)
                       : QStringLiteral("%1, %2, 0").arg(before, within);
    }
};

QString openingPart(const ArApSide& side, const Parts& p) {
    return QStringLiteral("SELECT o.FObjectID AS FObjectID, %1 AS FBegin, 0 AS FRaised, 0 AS FSettled FROM "
                          "t_RP_InitBal o WHERE o.FType = %2%3")
        .arg(centsOf(QStringLiteral("o.") + p.amount))
        .arg(side.initType)
        .arg(p.currency(QStringLiteral("o")));
}

QString invoicePart(const ArApSide& side, const Parts& p) {
    const QString cents = centsOf(QStringLiteral("e.%1 + e.%2").arg(p.amount, p.tax));
    return QStringLiteral("SELECT s.%1, %2 FROM %3 s JOIN %3Entry e ON e.FInterID = s.FInterID "
                          "WHERE s.FCancellation = 0 AND s.FDate < %4%5%6")
        .arg(side.invoiceParty, p.split(QStringLiteral("s"), cents, false), side.invoiceTable, p.afterEnd,
             p.audited(QStringLiteral("s")), p.currency(QStringLiteral("s")));
}

// Stock bills that no invoice dated up to the period's end bills yet, at their order line's
// value with tax for the quantity moved.
QString uninvoicedPart(const ArApSide& side, const Parts& p) {
    const QString cents = centsOf(QStringLiteral("(oe.%1 + oe.%2) * d.FQty / oe.FQty").arg(p.amount, p.tax));
    return QStringLiteral(
               "SELECT b.FSupplyID, %1 FROM ICStockBill b JOIN ICStockBillEntry d ON d.FInterID = b.FInterID "
               "JOIN %2Entry oe ON oe.FInterID = d.FOrderInterID AND oe.FEntryID = d.FOrderEntryID "
               "JOIN %2 o ON o.FInterID = oe.FInterID "
               "WHERE b.FTranType = %3 AND b.FCancellation = 0 AND b.FDate < %4%5%6 AND NOT EXISTS "
               "(SELECT 1 FROM %7Entry ie JOIN %7 i ON i.FInterID = ie.FInterID WHERE ie.FSourceInterID = "
               "d.FInterID AND ie.FSourceEntryID = d.FEntryID AND i.FCancellation = 0 AND i.FDate < %4)")
        .arg(p.split(QStringLiteral("b"), cents, false), side.orderTable)
        .arg(side.stockTranType)
        .arg(p.afterEnd, p.audited(QStringLiteral("b")), p.currency(QStringLiteral("o")), side.invoiceTable);
}

QString settlementPart(const ArApSide& side, const Parts& p) {
    return QStringLiteral("SELECT r.%1, %2 FROM %3 r WHERE r.FCancellation = 0 AND r.FDate < %4%5%6")
        .arg(side.settleParty, p.split(QStringLiteral("r"), centsOf(QStringLiteral("r.") + p.amount), true),
             side.settleTable, p.afterEnd, p.audited(QStringLiteral("r")), p.currency(QStringLiteral("r")));
}

QString numberRange(const ArApQuery& query) {
    QString where;
    if (!query.firstNumber.isEmpty())
        where += QStringLiteral(" AND p.FNumber >= ") + db::sqlNText(query.firstNumber);
    if (!query.lastNumber.isEmpty())
        where += QStringLiteral(" AND p.FNumber <= ") + db::sqlNText(query.lastNumber);
    return where;
}

} // namespace

QString arApSql(const ArApSide& side, const ArApQuery& query) {
    const bool base = query.currencyId == 0;
    const Parts p{dayLiteral(query.begin), dayLiteral(query.end.addDays(1)),
                  base ? QStringLiteral("FAmount") : QStringLiteral("FAmountFor"),
                  base ? QStringLiteral("FTaxAmount") : QStringLiteral("FTaxAmountFor"), query};
    QStringList parts{openingPart(side, p), invoicePart(side, p)};
    if (query.withUninvoiced)
        parts << uninvoicedPart(side, p);
    parts << settlementPart(side, p);
    return QStringLiteral("SELECT p.FItemID, p.FNumber, p.FName, x.FBegin, x.FRaised, x.FSettled FROM "
                          "(SELECT m.FObjectID, SUM(m.FBegin) AS FBegin, SUM(m.FRaised) AS FRaised, "
                          "SUM(m.FSettled) AS FSettled FROM (%1) m "
                          "GROUP BY m.FObjectID) x JOIN %2 p ON p.FItemID = x.FObjectID "
                          "WHERE (x.FBegin <> 0 OR x.FRaised <> 0 OR x.FSettled <> 0)%3 "
                          "ORDER BY x.FRaised DESC, p.FNumber")
        .arg(parts.join(QStringLiteral(" UNION ALL ")), side.partyTable, numberRange(query));
}

} // namespace zrk::reports
