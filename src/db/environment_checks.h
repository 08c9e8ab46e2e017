#pragma once

#include <QString>

namespace zrk {

class ConsoleContext;

// Whether the account set has been set up far enough for the console: the ledger's periods, start
// period and year, and the stock system's start period and year, read through
// BaseServices.SystemProfile. Shows an error box saying what to set and returns false otherwise.
bool checkAccountingSetup(ConsoleContext& ctx, const QString& propsString);

// True when the stock system has moved past its start period while receivables and payables
// have not closed their opening data (ARAP/Closed is not 1). A failure shows an error box and
// gives false.
bool isArApOutOfStep(ConsoleContext& ctx);

// SysInfo.System's answer whether the receivables and payables opening data are entered; false
// when it cannot be asked.
bool isArApInitialized(ConsoleContext& ctx);

} // namespace zrk
