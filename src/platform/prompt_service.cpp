#include "platform/prompt_service.h"

#include <QDialog>
#include <QMessageBox>

namespace zrk {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

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

MessageAnswer QtPromptService::messageBox(const QString& text, const QString& title, MessageIcon icon,
                                          MessageButtons buttons) {
    QMessageBox box(toQtIcon(icon), title, text, toQtButtons(buttons));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        return safeAnswer(buttons);
    }
}

int QtPromptService::execDialog(QDialog& dialog) {
    return dialog.exec();
}

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
