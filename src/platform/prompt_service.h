#pragma once

#include <QString>

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

} // namespace zrk
