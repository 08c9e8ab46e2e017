#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace zrk {

class ConsoleContext;

inline const QString kLogServerProgId = QStringLiteral("BaseServices.LogServer");

// The operation-log numbers: a base-data function is being opened, and was shown.
inline constexpr std::int16_t kOperationOpening = 1;
inline constexpr std::int16_t kOperationShown = 3;

// The operation log's function code of a base-data window title (the untranslated title,
// letter case ignored); none for any other title.
std::optional<QString> operationLogCode(const QString& title);

// One operation-log entry of the session (its property string, this machine's name and
// address) through BaseServices.LogServer. A log that cannot be written never stops the
// function: the failure is logged and the call returns.
void writeOperationLog(ConsoleContext& ctx, const QString& functionCode, std::int16_t number,
                       const QString& translatedTitle);

} // namespace zrk
