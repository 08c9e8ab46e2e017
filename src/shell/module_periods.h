#pragma once

#include <QString>
#include <vector>

namespace zrk {

class ConsoleContext;

inline const QString kPeriodFormat = QStringLiteral("%1年第%2期");
inline const QString kCashierPeriodFormat = QStringLiteral("出纳管理：%1年第%2期");
inline const QString kPeriodStringCategory = QStringLiteral("Sys_PeriodStringList");

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
