#pragma once

#include <QString>

namespace zrk {

class ConsoleContext;

inline const QString kMessageTitle = QStringLiteral("Quorvel提示");

// The console's standard message box: the translated text under the title "Quorvel提示", with
// the information icon when asked, else the critical one, and one OK button.
void showMessage(ConsoleContext& ctx, const QString& text, bool information);
void showInfo(ConsoleContext& ctx, const QString& text);

} // namespace zrk
