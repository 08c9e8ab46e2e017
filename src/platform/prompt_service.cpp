#include "platform/prompt_service.h"

namespace zrk {

MessageAnswer safeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

} // namespace zrk
