#include "desktop/scripted_prompt_service.h"

#include <QDialog>

namespace zrk {

void ScriptedPromptService::clear() {
    ScriptedMessages::clear();
    dialogs_.clear();
    dialogTitles_.clear();
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
