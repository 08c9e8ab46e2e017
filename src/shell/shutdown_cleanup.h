#pragma once

#include <QString>

namespace zrk {

class ConsoleContext;

inline const QString kOfflineSyncWindowTitle = QStringLiteral("离线数据自动同步参数设置");
inline const QString kClientCacheHostName = QStringLiteral("ClientCacheHost");

// Asks the suite's offline-synchronisation settings window, when it is open, to close.
// Returns whether a close request was posted.
bool closeOfflineSyncWindow(ConsoleContext& ctx);

// Ends the current user's client-cache host processes; returns how many were asked to end.
int endClientCacheHosts();

} // namespace zrk
