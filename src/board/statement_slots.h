#pragma once

#include "board/board_elements.h"

#include <array>

namespace zrk {

// The four financial-statement slots of the left column. Slot 0, the cash-flow statement, is
// always shown and starts its element row; slots 1 to 3 start the account set's report of their
// caption.
inline constexpr int kStatementSlotCount = 4;
using StatementSlots = std::array<BoardLabel, kStatementSlotCount>;

// The slots as designed: "现金流量表" shown, "资产负债表" and "利润表" shown, "现金流量表" hidden.
StatementSlots designStatementSlots();

// Captions and visibility of the slots for a company type and an account type (both the
// decimal text of their profile value). Tags are left empty.
StatementSlots showStatementSlots(const QString& companyType, const QString& accountType);

// Gives slots 1 to 3 the launch text of the report whose FFuncName equals their caption
// (ignoring letter case; a later report of the same name wins) and slot 0 its element key.
// Without a report list nothing is given, slot 0 included.
void matchStatementReports(StatementSlots& slotLabels, db::Recordset* reports);

} // namespace zrk
