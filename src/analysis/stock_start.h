#pragma once

#include <QDate>

namespace zrk {
class ConsoleContext;
}

namespace zrk::analysis {

// The first day of the stock system's start period: the period named by the system profile's
// IC/StartYear and IC/StartPeriod, looked up in t_PeriodDate through a new DbGateway.AppConnection;
// today when the period is not there. Errors pass on unchanged.
QDate getStockStartDate(ConsoleContext& ctx, const QDate& today);

} // namespace zrk::analysis
