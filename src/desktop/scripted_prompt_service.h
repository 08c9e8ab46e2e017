#pragma once

#include "platform/prompt_service.h"

#include <QString>
#include <functional>
#include <vector>

namespace zrk {

// For tests: answers from a script and a record of everything shown.
class ScriptedPromptService : public PromptService {
public:
    struct Message {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
        MessageAnswer answer;
    };
    using DialogScript = std::function<int(QDialog&)>;

    // Answers for the next message boxes, in order. With none left, a box is answered with its
    // safe choice: OK, No or Cancel.
    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    // Handlers for the next dialogs, in order: each may fill the dialog and returns its result.
    // With none left, a dialog is rejected.
    void queueDialog(DialogScript script) { dialogs_.push_back(std::move(script)); }

    const std::vector<Message>& messages() const { return messages_; }
    // Window titles of the dialogs shown, in order.
    const std::vector<QString>& dialogTitles() const { return dialogTitles_; }
    void clear();

    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    int execDialog(QDialog& dialog) override;

private:
    std::vector<MessageAnswer> answers_;
    std::vector<DialogScript> dialogs_;
    std::vector<Message> messages_;
    std::vector<QString> dialogTitles_;
};

} // namespace zrk
