#include "plugins/functions/statements.h"

#include "platform/db/sql_literal.h"
#include "platform/error.h"

#include <cmath>

namespace zrk::functions {

namespace {

QString dayText(const QDate& day) {
    return db::sqlText(day.toString(QStringLiteral("yyyy-MM-dd")));
}

// The one value of a summing query, 0 for a sum over no rows.
Cents sumOf(db::Connection& connection, const QString& sql, const QString& title) {
    db::RecordsetPtr rows;
    try {
        rows = connection.execute(sql);
    } catch (const Error& e) {
        throw e.withDescription(title + QStringLiteral(": ") + e.description());
    }
    if (!rows || rows->eof() || rows->value(0).isNull())
        return 0;
    return static_cast<Cents>(std::llround(rows->value(0).toDouble()));
}

// The figures the statements are made of, each summed over the documents dated before a day.
struct Position {
    Cents cash = 0, receivable = 0, stock = 0, payable = 0;
};

Cents receiptsBetween(db::Connection& c, const QString& where, const QString& table, const QString& title) {
    return sumOf(c,
                 QStringLiteral("SELECT SUM(%1) FROM %2 WHERE FCancellation = 0 AND %3")
                     .arg(centsSql(QStringLiteral("FAmount")), table, where),
                 title);
}

Cents invoicedBefore(db::Connection& c, const QString& header, const QString& entry, const QDate& end,
                     const QString& title) {
    return sumOf(c,
                 QStringLiteral("SELECT SUM(%1) FROM %2 h JOIN %3 e ON e.FInterID = h.FInterID "
                                "WHERE h.FCancellation = 0 AND h.FDate < %4")
                     .arg(centsSql(QStringLiteral("e.FAmount + e.FTaxAmount")), header, entry, dayText(end)),
                 title);
}

Cents stockBillsBetween(db::Connection& c, const QString& types, const QString& where, const QString& what,
                        const QString& title) {
    return sumOf(
        c,
        QStringLiteral("SELECT SUM(%1) FROM ICStockBill b JOIN ICStockBillEntry e ON e.FInterID = b.FInterID "
                       "WHERE b.FCancellation = 0 AND b.FTranType IN (%2) AND %3")
            .arg(centsSql(what), types, where),
        title);
}

QString before(const QDate& end, const QString& column = QStringLiteral("FDate")) {
    return column + QStringLiteral(" < ") + dayText(end);
}

QString between(const QDate& from, const QDate& to, const QString& column = QStringLiteral("FDate")) {
    return column + QStringLiteral(" >= ") + dayText(from) + QStringLiteral(" AND ") + column +
           QStringLiteral(" < ") + dayText(to);
}

Cents openingCash(db::Connection& c, const QString& title) {
    return sumOf(c,
                 QStringLiteral("SELECT SUM(%1) FROM t_Account WHERE FNumber IN ('1001', '1002')")
                     .arg(centsSql(QStringLiteral("FBeginBalance"))),
                 title);
}

Cents cashBefore(db::Connection& c, const QDate& end, const QString& title) {
    return openingCash(c, title) + receiptsBetween(c, before(end), QStringLiteral("t_RP_Receipt"), title) -
           receiptsBetween(c, before(end), QStringLiteral("t_RP_Payment"), title);
}

Position positionBefore(db::Connection& c, const QDate& end, const QString& title) {
    const auto opening = [&](int type) {
        return sumOf(c,
                     QStringLiteral("SELECT SUM(%1) FROM t_RP_InitBal WHERE FType = %2")
                         .arg(centsSql(QStringLiteral("FAmount")))
                         .arg(type),
                     title);
    };
    const Cents received = receiptsBetween(c, before(end), QStringLiteral("t_RP_Receipt"), title);
    const Cents paid = receiptsBetween(c, before(end), QStringLiteral("t_RP_Payment"), title);
    Position p;
    p.cash = openingCash(c, title) + received - paid;
    p.receivable = opening(1) +
                   invoicedBefore(c, QStringLiteral("ICSale"), QStringLiteral("ICSaleEntry"), end, title) -
                   received;
    p.stock = stockBillsBetween(c, QStringLiteral("10, 1"), before(end, QStringLiteral("b.FDate")),
                                QStringLiteral("e.FAmount"), title) -
              stockBillsBetween(c, QStringLiteral("21"), before(end, QStringLiteral("b.FDate")),
                                QStringLiteral("e.FAmount"), title);
    p.payable =
        opening(2) +
        invoicedBefore(c, QStringLiteral("ICPurchase"), QStringLiteral("ICPurchaseEntry"), end, title) - paid;
    return p;
}

// The months of the period's year up to the period: [start, end) of each, the last ending where
// the period ends.
std::vector<std::pair<QDate, QDate>> monthsOf(const ListParameters& p) {
    std::vector<std::pair<QDate, QDate>> months;
    for (int m = 1; m <= p.period; ++m)
        months.emplace_back(m == p.period ? p.from : QDate(p.year, m, 1),
                            m == p.period ? p.to : QDate(p.year, m, 1).addMonths(1));
    if (!months.empty())
        months.front().first = std::min(months.front().first, QDate(p.year, 1, 1));
    return months;
}

QString monthCaption(int month) {
    return QStringLiteral("%1月").arg(month);
}

void requirePeriod(const ListParameters& p) {
    if (p.year < 1900 || p.period < 1 || p.period > 12 || !p.from.isValid() || !p.to.isValid())
        throw Error(errnum::InvalidProcedureCall, QStringLiteral("ReportViewer.SrvRptRetrieve"),
                    QStringLiteral("会计期间无效：%1年第%2期").arg(p.year).arg(p.period));
}

} // namespace

const std::vector<Cents>* Statement::line(const QString& caption) const {
    for (const StatementLine& l : lines)
        if (l.caption == caption)
            return &l.values;
    return nullptr;
}

Statement balanceSheet(db::Connection& connection, const ListParameters& period) {
    requirePeriod(period);
    const QString title = QStringLiteral("资产负债表");
    const Position start = positionBefore(connection, QDate(period.year, 1, 1), title);
    const Position end = positionBefore(connection, period.to, title);
    const auto pair = [](Cents a, Cents b) { return std::vector<Cents>{a, b}; };
    const Cents assetsStart = start.cash + start.receivable + start.stock;
    const Cents assetsEnd = end.cash + end.receivable + end.stock;
    Statement s{title, {QStringLiteral("年初数"), QStringLiteral("期末数")}, {}};
    s.lines = {
        {QStringLiteral("货币资金"), pair(start.cash, end.cash)},
        {QStringLiteral("应收账款"), pair(start.receivable, end.receivable)},
        {QStringLiteral("存货"), pair(start.stock, end.stock)},
        {QStringLiteral("资产合计"), pair(assetsStart, assetsEnd)},
        {QStringLiteral("应付账款"), pair(start.payable, end.payable)},
        {QStringLiteral("负债合计"), pair(start.payable, end.payable)},
        {QStringLiteral("所有者权益"), pair(assetsStart - start.payable, assetsEnd - end.payable)},
        {QStringLiteral("负债和所有者权益合计"), pair(assetsStart, assetsEnd)},
    };
    return s;
}

Statement incomeStatement(db::Connection& connection, const ListParameters& period) {
    requirePeriod(period);
    const QString title = QStringLiteral("利润表");
    Statement s{title, {QStringLiteral("营业收入"), QStringLiteral("营业成本"), QStringLiteral("毛利")}, {}};
    Cents income = 0, cost = 0;
    int month = 1;
    for (const auto& [from, to] : monthsOf(period)) {
        const QString where = between(from, to, QStringLiteral("b.FDate"));
        const Cents i = stockBillsBetween(connection, QStringLiteral("21"), where,
                                          QStringLiteral("e.FConsignAmount"), title);
        const Cents c =
            stockBillsBetween(connection, QStringLiteral("21"), where, QStringLiteral("e.FAmount"), title);
        s.lines.push_back({monthCaption(month++), {i, c, i - c}});
        income += i;
        cost += c;
    }
    s.lines.push_back({QStringLiteral("本年累计"), {income, cost, income - cost}});
    return s;
}

Statement cashFlowStatement(db::Connection& connection, const ListParameters& period) {
    requirePeriod(period);
    const QString title = QStringLiteral("现金流量表");
    Statement s{title,
                {QStringLiteral("期初现金"), QStringLiteral("收到的现金"), QStringLiteral("支付的现金"),
                 QStringLiteral("现金净增加额"), QStringLiteral("期末现金")},
                {}};
    const Cents yearStart = cashBefore(connection, QDate(period.year, 1, 1), title);
    Cents cash = yearStart, inTotal = 0, outTotal = 0;
    int month = 1;
    for (const auto& [from, to] : monthsOf(period)) {
        const Cents in =
            receiptsBetween(connection, between(from, to), QStringLiteral("t_RP_Receipt"), title);
        const Cents out =
            receiptsBetween(connection, between(from, to), QStringLiteral("t_RP_Payment"), title);
        s.lines.push_back({monthCaption(month++), {cash, in, out, in - out, cash + in - out}});
        cash += in - out;
        inTotal += in;
        outTotal += out;
    }
    s.lines.push_back({QStringLiteral("本年累计"), {yearStart, inTotal, outTotal, inTotal - outTotal, cash}});
    return s;
}

TableData statementTable(const Statement& statement) {
    auto rows = std::make_shared<db::RowStore>();
    TableData table;
    rows->columns.push_back({QStringLiteral("FItem"), db::FieldKind::Text});
    table.columns.push_back({QStringLiteral("FItem"), QStringLiteral("项目"), ColumnKind::Text});
    for (int i = 0; i < statement.columns.size(); ++i) {
        const QString field = QStringLiteral("FValue%1").arg(i + 1);
        rows->columns.push_back({field, db::FieldKind::Int64});
        table.columns.push_back({field, statement.columns[i], ColumnKind::Cents});
    }
    for (const StatementLine& line : statement.lines) {
        const QByteArray caption = line.caption.toUtf8();
        rows->appendText(caption.constData(), static_cast<std::size_t>(caption.size()));
        for (Cents value : line.values)
            rows->appendInt(value);
    }
    table.rows = rows;
    return table;
}

namespace {

class StatementSource : public ListSource {
public:
    using Compute = Statement (*)(db::Connection&, const ListParameters&);
    StatementSource(QString title, Compute compute) : title_(std::move(title)), compute_(compute) {}

    QString title() const override { return title_; }
    ParameterKind parameterKind() const override { return ParameterKind::Period; }
    TableData load(db::Connection& connection, const ListParameters& parameters) const override {
        return statementTable(compute_(connection, parameters));
    }

private:
    QString title_;
    Compute compute_;
};

} // namespace

ListSourcePtr statementSource(int reportId) {
    // The non-profit variants are the same figures under the titles their account types use.
    struct Entry {
        int id;
        const char16_t* title;
        StatementSource::Compute compute;
    };
    static const Entry entries[] = {
        {3001, u"资产负债表", &balanceSheet},       {3002, u"利润表", &incomeStatement},
        {3003, u"现金流量表", &cashFlowStatement},  {3004, u"资金平衡表", &balanceSheet},
        {3005, u"收入支出总表", &incomeStatement},  {3006, u"收入支出表", &incomeStatement},
        {3007, u"资产负债表(月报)", &balanceSheet}, {3008, u"资产负债表(年报)", &balanceSheet},
        {3009, u"资产负债表(一)", &balanceSheet},   {3010, u"资产负债表(二)", &balanceSheet},
    };
    for (const Entry& e : entries)
        if (e.id == reportId)
            return std::make_shared<StatementSource>(QString::fromUtf16(e.title), e.compute);
    return {};
}

} // namespace zrk::functions
