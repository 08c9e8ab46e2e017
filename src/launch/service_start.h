#pragma once

#include "platform/dictionary.h"

#include <QString>
#include <memory>

namespace zrk {

class ConsoleContext;
class IFrameServices;
class IQVMainService;

inline const QString kSubSystemCategory = QStringLiteral("Sys_SubSysList");
inline const QString kSuperSubSystem = QStringLiteral("super");
inline constexpr double kSuperFunctionId = 6011101;

// The service start (DoCallFunc): creates the component, makes its sub-system the session's
// SubID, initialises the sub-system once per session, runs the function with the service and
// rebuilds the frame's status bar (when there is a frame). Every error goes to the suite's
// common error report; none reaches the caller.
void serviceStart(ConsoleContext& ctx, const std::shared_ptr<IQVMainService>& service, IFrameServices* frame,
                  const QString& progId, const DictionaryPtr& dct);

// The same start for a caller that reports errors itself (another program on the session bus):
// they pass on unchanged.
void serviceStartRaising(ConsoleContext& ctx, const std::shared_ptr<IQVMainService>& service,
                         IFrameServices* frame, const QString& progId, const DictionaryPtr& dct);

} // namespace zrk
