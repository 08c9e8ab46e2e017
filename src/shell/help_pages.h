#pragma once

#include <QString>

namespace zrk {

class ConsoleContext;

// The title every help page carries, by which open help windows are found and closed.
inline const QString kHelpWindowTitle = QStringLiteral("QuorvelZRKNimbra联机帮助_老板报表");

// The start page of the help installed beside the program (help/index.html in its folder);
// "" when it is not installed.
QString helpStartPage(const QString& programFolder);

// Asks every open help window to close; the number asked.
int closeHelpWindows(ConsoleContext& ctx);

} // namespace zrk
