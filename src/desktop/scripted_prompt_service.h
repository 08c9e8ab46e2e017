#pragma once

#include "platform/scripted_messages.h"

#include <QString>
#include <functional>
#include <vector>

namespace zrk {

// For tests: answers from a script and a record of everything shown, dialogs included.
class ScriptedPromptService : public ScriptedMessages {
public:
    using DialogScript = std::function<int(QDialog&)>;

    // Handlers for the next dialogs, in order: each may fill the dialog and returns its result.
    // With none left, a dialog is rejected.
    void queueDialog(DialogScript script) { dialogs_.push_back(std::move(script)); }
    // Window titles of the dialogs shown, in order.
    const std::vector<QString>& dialogTitles() const { return dialogTitles_; }
    void clear() override;

    int execDialog(QDialog& dialog) override;

private:
    std::vector<DialogScript> dialogs_;
    std::vector<QString> dialogTitles_;
};

} // namespace zrk
