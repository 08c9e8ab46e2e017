#include "desktop/scripted_prompt_service.h"

#include <QDialog>

namespace zrk {

void ScriptedPromptService::clear() {
    answers_.clear();
    dialogs_.clear();
    messages_.clear();
    dialogTitles_.clear();
}

MessageAnswer ScriptedPromptService::messageBox(const QString& text, const QString& title, MessageIcon icon,
                                                MessageButtons buttons) {
    MessageAnswer answer = safeAnswer(buttons);
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.erase(answers_.begin());
    }
    messages_.push_back({text, title, icon, buttons, answer});
    return answer;
}

int ScriptedPromptService::execDialog(QDialog& dialog) {
    dialogTitles_.push_back(dialog.windowTitle());
    if (dialogs_.empty())
        return QDialog::Rejected;
    DialogScript script = std::move(dialogs_.front());
    dialogs_.erase(dialogs_.begin());
    return script(dialog);
}

} // namespace zrk
