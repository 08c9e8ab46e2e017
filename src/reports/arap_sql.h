#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

namespace zrk::reports {

// What distinguishes the receivables (131) from the payables (132): the party, its documents
// and its settlements.
struct ArApSide {
    QString partyTable;   // t_Organization / t_Supplier
    int initType;         // t_RP_InitBal.FType: 1 receivable, 2 payable
    QString invoiceTable; // ICSale / ICPurchase, with …Entry
    QString invoiceParty; // FCustID / FSupplyID
    int stockTranType;    // 21 sales delivery / 1 purchase receipt (ICStockBill.FSupplyID)
    QString orderTable;   // SEOrder / POOrder, with …Entry
    QString settleTable;  // t_RP_Receipt / t_RP_Payment
    QString settleParty;  // FCustID / FSupplyID
};

// The question: the period (both days included), 0 for every currency in base amounts or one
// currency in its own amounts, and which documents count.
struct ArApQuery {
    QDate begin;
    QDate end;
    std::int32_t currencyId = 0;
    bool withUninvoiced = false;
    bool includeUnaudited = true;
    QString firstNumber; // party number range, "" for open
    QString lastNumber;
};

// One row per party with a movement: FItemID, FNumber, FName and, in whole cents, FBegin (the
// balance before the period), FRaised (invoiced, with tax, and, when asked, the value with tax
// of the stock bills not invoiced by the period's end) and FSettled (received or paid in the
// period); largest FRaised first. Cancelled documents never count.
QString arApSql(const ArApSide& side, const ArApQuery& query);

} // namespace zrk::reports
