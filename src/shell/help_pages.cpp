#include "shell/help_pages.h"

#include "core/console_context.h"

#include <QFileInfo>

namespace zrk {

QString helpStartPage(const QString& programFolder) {
    if (programFolder.isEmpty())
        return QString();
    const QFileInfo page(programFolder + QStringLiteral("/help/index.html"));
    return page.isFile() ? page.absoluteFilePath() : QString();
}

int closeHelpWindows(ConsoleContext& ctx) {
    int asked = 0;
    for (const unsigned long window : ctx.windows().findTopLevelContaining(kHelpWindowTitle))
        if (ctx.windows().postClose(window))
            ++asked;
    return asked;
}

} // namespace zrk
