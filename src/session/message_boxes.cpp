#include "session/message_boxes.h"

#include "core/console_context.h"
#include "session/texts.h"

namespace zrk {

void showMessage(ConsoleContext& ctx, const QString& text, bool information) {
    ctx.prompts().messageBox(translate(ctx, text), translate(ctx, kMessageTitle),
                             information ? MessageIcon::Information : MessageIcon::Critical,
                             MessageButtons::Ok);
}

void showInfo(ConsoleContext& ctx, const QString& text) {
    showMessage(ctx, text, true);
}

} // namespace zrk
