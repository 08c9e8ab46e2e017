#include "desktop/qt_prompt_service.h"

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

} // namespace zrk
