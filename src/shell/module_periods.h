#pragma once

#include "platform/variant.h"

#include <QString>
#include <vector>

namespace zrk {

class ConsoleContext;

inline const QString kPeriodFormat = QStringLiteral("%1年第%2期");
inline const QString kCashierPeriodFormat = QStringLiteral("出纳管理：%1年第%2期");
inline const QString kPeriodStringCategory = QStringLiteral("Sys_PeriodStringList");
// What a period text shows for a year or a period that is missing or cannot be one.
inline const QString kNoPeriodYear = QStringLiteral("0000");
inline const QString kNoPeriodNumber = QStringLiteral("0");
// The last period of a year: twelve months and an adjustment period.
inline constexpr int kLastPeriod = 13;

// A year as the period texts show it: a whole number from 1 to 9999, in four digits ("0026");
// anything else (missing, not a number, negative, longer) shows "0000".
QString periodYearText(const Variant& year);
// A period as the period texts show it: a whole number from 1 to kLastPeriod; anything else
// shows "0".
QString periodNumberText(const Variant& period);

struct ModulePeriod {
    QString key;  // the module code under which the text is cached
    QString text; // its label and period
};

// The three periods a status bar shows, already formatted.
struct PeriodTexts {
    QString business; // "2026年第12期" from the stock system's current year and period
    QString cashier;  // "出纳管理：2026年第12期"
    QString ledger;   // the general ledger's current year and period
};

// The period text of every module of the suite, in the order they are cached. Installations of
// application type 1 show the business period for the ledger module.
std::vector<ModulePeriod> modulePeriodTexts(ConsoleContext& ctx, const PeriodTexts& periods, int appType);

} // namespace zrk
