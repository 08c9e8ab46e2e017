#include "plugins/functions/list_source.h"

#include "platform/caught_error.h"
#include "platform/db/sql_literal.h"
#include "platform/error.h"
#include "plugins/functions/log_category.h"

namespace zrk::functions {

TableData ListSource::lines(db::Connection&, const TableData&, int) const {
    return {};
}

TableData QuerySource::load(db::Connection& connection, const ListParameters& parameters) const {
    return queryTable(connection, statement_(parameters), columns_, title_);
}

QString parameterValue(const QString& classParam, const QString& key) {
    for (const QString& item : classParam.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        if (eq > 0 && item.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return item.mid(eq + 1).trimmed();
    }
    return QString();
}

void raiseUnknownParameter(const Translator& tr, const QString& function, const QString& classParam) {
    throw Error(errnum::InvalidProcedureCall, function,
                tr(QStringLiteral("功能参数无法识别：")) +
                    (classParam.isEmpty() ? tr(QStringLiteral("（空）")) : classParam));
}

namespace {

int profileNumber(db::Connection& connection, const QString& key) {
    const auto rows = connection.execute(
        QStringLiteral("SELECT FValue FROM t_SystemProfile WHERE FCategory='GL' AND FKey=") +
        db::sqlText(key));
    if (!rows || rows->eof())
        return 0;
    return rows->value(0).toString().toInt();
}

} // namespace

ListParameters periodParameters(db::Connection& connection, int year, int period) {
    ListParameters p{year, period, QDate(year, period, 1), QDate(year, period, 1).addMonths(1)};
    try {
        const auto rows = connection.execute(
            QStringLiteral("SELECT FStartDate, FEndDate FROM t_PeriodDate WHERE FYear=%1 AND FPeriod=%2")
                .arg(year)
                .arg(period));
        if (rows && !rows->eof()) {
            p.from = rows->value(0).toDate().date();
            p.to = rows->value(1).toDate().date().addDays(1);
        }
    } catch (const Error& e) {
        logCaughtError(lcFunctions(), "periodParameters: calendar months", e);
    }
    return p;
}

ListParameters currentPeriod(db::Connection& connection) {
    int year = 0, period = 0;
    try {
        year = profileNumber(connection, QStringLiteral("CurrentYear"));
        period = profileNumber(connection, QStringLiteral("CurrentPeriod"));
    } catch (const Error& e) {
        logCaughtError(lcFunctions(), "currentPeriod: today's month", e);
    }
    if (year < 1900 || period < 1 || period > 12) {
        year = QDate::currentDate().year();
        period = QDate::currentDate().month();
    }
    return periodParameters(connection, year, period);
}

} // namespace zrk::functions
