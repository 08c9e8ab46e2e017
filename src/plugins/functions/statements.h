#pragma once

#include "plugins/functions/list_source.h"
#include "plugins/functions/money.h"

#include <QStringList>
#include <vector>

namespace zrk::functions {

// The three statements of the owner's financial view, computed from the business data of the
// account set (a management view, not the ledger's): every figure an exact sum in cents.
struct StatementLine {
    QString caption; // untranslated
    std::vector<Cents> values;
};

struct Statement {
    QString title;
    QStringList columns; // the titles of the value columns, untranslated
    std::vector<StatementLine> lines;

    // The values of the line with the caption; none when there is no such line.
    const std::vector<Cents>* line(const QString& caption) const;
};

// The balance sheet at the start of the period's year and at the end of the period:
//   货币资金 = opening balances of the cash accounts (t_Account 1001, 1002) + receipts - payments
//   应收账款 = opening receivables + sales invoices with tax - receipts
//   存货     = opening stock and purchase receipts at cost - sales deliveries at cost
//   应付账款 = opening payables + purchase invoices with tax - payments
//   所有者权益 = assets - liabilities
Statement balanceSheet(db::Connection& connection, const ListParameters& period);

// Sales, cost of sales and gross profit of the sales deliveries, by month from January to the
// period, and the year's total.
Statement incomeStatement(db::Connection& connection, const ListParameters& period);

// Cash at the start of each month, receipts, payments, the change and cash at the end, by
// month from January to the period, and the year's total.
Statement cashFlowStatement(db::Connection& connection, const ListParameters& period);

// The statement as a table: the caption column and one column of cents per value column.
TableData statementTable(const Statement& statement);

// A list that computes a statement for the chosen period.
ListSourcePtr statementSource(int reportId);

} // namespace zrk::functions
