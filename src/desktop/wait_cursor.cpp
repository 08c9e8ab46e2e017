#include "desktop/wait_cursor.h"

#include "core/console_context.h"
#include "platform/error.h"

#include <QCursor>
#include <QGuiApplication>

namespace zrk {

WaitCursor::WaitCursor(ConsoleContext& ctx) : ctx_(ctx) {
    if (++ctx_.desktop().waitCursors == 1)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    if (held_ && ctx_.desktop().waitCursors > 0)
        release();
}

void WaitCursor::release() {
    if (!held_)
        return;
    held_ = false;
    if (--ctx_.desktop().waitCursors < 0) {
        ctx_.desktop().waitCursors = 0;
        throw Error(errnum::ConsoleDefined, QStringLiteral("QvMain.WaitCursor"),
                    QStringLiteral("Wait cursor released more often than shown"));
    }
    if (ctx_.desktop().waitCursors == 0)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace zrk
