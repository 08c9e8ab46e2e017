#pragma once

#include <QString>
#include <cstdint>

namespace zrk {

class ConsoleContext;

inline const QString kMsgLogProgId = QStringLiteral("MsgLog.Log");

// Wrappers of the suite's diagnostic log: they act only while the log is enabled and never raise.
// LogStart creates the log object on its first call and returns 0 while logging is off.
std::int32_t logStart(ConsoleContext& ctx, const QString& text);
void logInfo(ConsoleContext& ctx, std::int32_t id, const QString& text);
void logEnd(ConsoleContext& ctx, std::int32_t id, std::int32_t value);

} // namespace zrk
