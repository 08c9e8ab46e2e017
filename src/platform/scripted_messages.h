#pragma once

#include "platform/prompt_service.h"

#include <QString>
#include <vector>

namespace zrk {

// For tests without widgets: message boxes answered from a script and recorded; dialogs are
// rejected unseen (the desktop layer's ScriptedPromptService also scripts dialogs).
class ScriptedMessages : public PromptService {
public:
    struct Message {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
        MessageAnswer answer;
    };

    // Answers for the next message boxes, in order. With none left, a box is answered with its
    // safe choice: OK, No or Cancel.
    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    const std::vector<Message>& messages() const { return messages_; }
    virtual void clear();

    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    // Rejected (0, QDialog::Rejected).
    int execDialog(QDialog& dialog) override;

private:
    std::vector<MessageAnswer> answers_;
    std::vector<Message> messages_;
};

} // namespace zrk
