#pragma once

#include "platform/db/recordset.h"
#include "platform/dictionary.h"

#include <QString>
#include <cstdint>

namespace zrk {

class ConsoleContext;

// The current record as a parameter dictionary: field name -> the value as trimmed text, a Null
// as "". None at the end of the rows.
DictionaryPtr recordToDictionary(db::Recordset& rs);

// Runs a query through ReportQuery.ClsReport (created by the object factory) on the session's
// account set. Errors pass on unchanged.
db::RecordsetPtr getRsBySQL(ConsoleContext& ctx, const QString& sql);

// One system parameter as a 16-bit number, read through a new DbGateway.AppConnection: the
// leading number of the trimmed value, rounded half to even; 0 when the entry is missing, holds
// no number, or anything fails.
std::int16_t getProfileValue(ConsoleContext& ctx, const QString& category, const QString& key);

} // namespace zrk
