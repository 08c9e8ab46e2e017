#pragma once

#include <QString>
#include <functional>
#include <vector>

class QDialog;

namespace zrk {

// Values as the platform numbers them, so they can travel through component calls.
enum class MessageIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum class MessageButtons { Ok = 0, OkCancel = 1, YesNoCancel = 3, YesNo = 4 };
enum class MessageAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// The answer that does nothing: OK for a box with only OK, No for yes/no, Cancel otherwise.
MessageAnswer safeAnswer(MessageButtons buttons);

// Every message box and modal dialog of the console goes through this one service.
class PromptService {
public:
    virtual ~PromptService() = default;
    virtual MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                                     MessageButtons buttons) = 0;
    // Runs a dialog modally and returns its result code (QDialog::Accepted or Rejected).
    virtual int execDialog(QDialog& dialog) = 0;
};

// The desktop implementation: the toolkit's message boxes and QDialog::exec.
class QtPromptService : public PromptService {
public:
    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    int execDialog(QDialog& dialog) override;
};

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
