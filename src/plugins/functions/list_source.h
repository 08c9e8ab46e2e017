#pragma once

#include "plugins/functions/table_data.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

namespace zrk::functions {

using Translator = std::function<QString(const QString&)>;

// What a list is asked for: an accounting period (year and month), or a range of days
// [from, to).
struct ListParameters {
    int year = 0;
    int period = 0;
    QDate from;
    QDate to;
};

enum class ParameterKind { None, Period, DateRange };

// One list a function shows: its title, the statement it runs and its columns. A bill list also
// gives the lines of one of its bills.
class ListSource {
public:
    virtual ~ListSource() = default;
    // Untranslated.
    virtual QString title() const = 0;
    virtual ParameterKind parameterKind() const { return ParameterKind::None; }
    // Raises the engine's error, with the title before it, when the account set lacks a table.
    virtual TableData load(db::Connection& connection, const ListParameters& parameters) const = 0;
    virtual bool hasLines() const { return false; }
    // The lines of the bill in a row of the loaded list.
    virtual TableData lines(db::Connection& connection, const TableData& list, int row) const;
};

using ListSourcePtr = std::shared_ptr<const ListSource>;

// The value of one item of a launch parameter such as "FItemClassID=3" ("" when missing).
QString parameterValue(const QString& classParam, const QString& key);

// The parameters a list opens with: the ledger's current period (t_SystemProfile GL
// CurrentYear/CurrentPeriod, else today's month) and that period's days (t_PeriodDate, else the
// calendar month).
ListParameters currentPeriod(db::Connection& connection);
// The days of a period: t_PeriodDate's, else the calendar month's.
ListParameters periodParameters(db::Connection& connection, int year, int period);

// The lists of the suite's functions, by their launch parameter. A parameter that names no list
// raises error 5 with a message that says which parameter was not understood.
ListSourcePtr coreDataSource(const QString& classParam, const Translator& tr); // FItemClassID=n
ListSourcePtr accountSource();                                                 // the chart of accounts
ListSourcePtr priceSource(const QString& classParam, const Translator& tr);    // FPriceType=1|2
ListSourcePtr billSource(const QString& classParam, const Translator& tr);     // FTranType=n
ListSourcePtr reportSource(const QString& classParam, const Translator& tr);   // FRptID=n

// A list whose statement depends on nothing but its parameters.
class QuerySource : public ListSource {
public:
    using Statement = std::function<QString(const ListParameters&)>;
    QuerySource(QString title, ParameterKind kind, Statement statement, std::vector<ListColumn> columns)
        : title_(std::move(title)), kind_(kind), statement_(std::move(statement)),
          columns_(std::move(columns)) {}

    QString title() const override { return title_; }
    ParameterKind parameterKind() const override { return kind_; }
    TableData load(db::Connection& connection, const ListParameters& parameters) const override;
    QString statement(const ListParameters& parameters) const { return statement_(parameters); }

private:
    QString title_;
    ParameterKind kind_;
    Statement statement_;
    std::vector<ListColumn> columns_;
};

// The error of a launch parameter that names no list of the function.
[[noreturn]] void raiseUnknownParameter(const Translator& tr, const QString& function,
                                        const QString& classParam);

} // namespace zrk::functions
