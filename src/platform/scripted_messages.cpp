#include "platform/scripted_messages.h"

namespace zrk {

void ScriptedMessages::clear() {
    answers_.clear();
    messages_.clear();
}

MessageAnswer ScriptedMessages::messageBox(const QString& text, const QString& title, MessageIcon icon,
                                           MessageButtons buttons) {
    MessageAnswer answer = safeAnswer(buttons);
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.erase(answers_.begin());
    }
    messages_.push_back({text, title, icon, buttons, answer});
    return answer;
}

int ScriptedMessages::execDialog(QDialog&) {
    return 0;
}

} // namespace zrk
