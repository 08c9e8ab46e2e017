#pragma once

#include "platform/error.h"

#include <QString>

// The error numbers the database layer raises. Engine errors carry the engine's own message as
// their description; the layer's own errors carry the texts below.
namespace zrk::db::dberr {

// An engine reported an error running a statement (the statement's text is at fault).
inline constexpr int CommandFailed = -2147217900;
// An engine reported an error opening a connection or a transaction (unspecified failure).
inline constexpr int EngineFailure = -2147467259;
// A T-SQL construct that the embedded engine cannot run.
inline constexpr int UnsupportedSyntax = -2147217887;
inline constexpr int ArgumentsWrongType = 3001;
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int ItemNotFound = 3265;
inline constexpr int UpdateNotSupported = 3251;
inline constexpr int ObjectClosed = 3704;
inline constexpr int ObjectOpen = 3705;
inline constexpr int ProviderNotFound = 3706;

inline const QString kNoCurrentRecord = QStringLiteral(
    "Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a "
    "current record.");
inline const QString kObjectClosed = QStringLiteral("Operation is not allowed when the object is closed.");

} // namespace zrk::db::dberr
