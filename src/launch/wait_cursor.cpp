#include "launch/wait_cursor.h"

#include "platform/error.h"
#include "startup/console_context.h"

#include <QCursor>
#include <QGuiApplication>

namespace zrk {

WaitCursor::WaitCursor(ConsoleContext& ctx) : ctx_(ctx) {
    if (++ctx_.waitCursorCount == 1)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    if (held_ && ctx_.waitCursorCount > 0)
        release();
}

void WaitCursor::release() {
    if (!held_)
        return;
    held_ = false;
    if (--ctx_.waitCursorCount < 0) {
        ctx_.waitCursorCount = 0;
        throw Error(1, QStringLiteral("QvMain.WaitCursor"),
                    QStringLiteral("Wait cursor released more often than shown"));
    }
    if (ctx_.waitCursorCount == 0)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace zrk
