#pragma once

#include "platform/variant.h"

#include <QString>

// Values written into SQL text. Every text value that goes into a statement or a recordset
// filter passes through these, so a value such as O'Brien neither breaks the statement nor
// changes what it does.
namespace zrk::db {

// 'text' with every embedded quote doubled: O'Brien -> 'O''Brien'.
QString sqlText(const QString& text);

// N'text', the same for a Unicode literal.
QString sqlNText(const QString& text);

// A value as a literal: Null and Empty as NULL, numbers in invariant notation, Booleans as 1/0,
// dates as 'yyyy-MM-dd hh:mm:ss', text quoted as by sqlText. Objects raise Type mismatch.
QString sqlValue(const Variant& value);

// A bracketed identifier with embedded closing brackets doubled: [t_Boss_Element].
QString sqlName(const QString& name);

// A text value for a recordset filter expression, quoted the same way.
inline QString filterText(const QString& text) {
    return sqlText(text);
}

} // namespace zrk::db
