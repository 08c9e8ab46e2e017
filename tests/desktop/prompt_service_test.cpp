#include "desktop/qt_prompt_service.h"
#include "desktop/scripted_prompt_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(ScriptedPrompts, AnswerFromTheScriptThenWithTheSafeChoice) {
    ScriptedPromptService prompts;
    prompts.queueAnswer(MessageAnswer::Yes);
    EXPECT_EQ(prompts.messageBox(QStringLiteral("退出?"), QStringLiteral("T"), MessageIcon::Question,
                                 MessageButtons::YesNo),
              MessageAnswer::Yes);
    EXPECT_EQ(prompts.messageBox(QStringLiteral("again"), QStringLiteral("T"), MessageIcon::Question,
                                 MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(prompts.messageBox(QStringLiteral("x"), QStringLiteral("T"), MessageIcon::Question,
                                 MessageButtons::YesNoCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(prompts.messageBox(QStringLiteral("y"), QStringLiteral("T"), MessageIcon::Critical,
                                 MessageButtons::Ok),
              MessageAnswer::Ok);
    ASSERT_EQ(prompts.messages().size(), 4u);
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("退出?"));
    EXPECT_EQ(prompts.messages()[3].icon, MessageIcon::Critical);
}

TEST(ScriptedPrompts, DialogsRunTheirScriptOrAreRejected) {
    ScriptedPromptService prompts;
    QDialog first;
    first.setWindowTitle(QStringLiteral("登录"));
    prompts.queueDialog([](QDialog& dialog) {
        dialog.setObjectName(QStringLiteral("filled"));
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(prompts.execDialog(first), QDialog::Accepted);
    EXPECT_EQ(first.objectName(), QStringLiteral("filled"));
    QDialog second;
    EXPECT_EQ(prompts.execDialog(second), QDialog::Rejected);
    EXPECT_EQ(prompts.dialogTitles(), (std::vector<QString>{QStringLiteral("登录"), QString()}));
}

TEST(QtPrompts, ShowARealMessageBoxAndReturnTheClickedButton) {
    QtPromptService prompts;
    QString shownText;
    // Click "No" on the box once it is up.
    QTimer::singleShot(0, [&shownText] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                shownText = box->text();
                box->button(QMessageBox::No)->click();
            }
        }
    });
    EXPECT_EQ(prompts.messageBox(QStringLiteral("是否确认退出？"), QStringLiteral("Quorvel提示"),
                                 MessageIcon::Question, MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(shownText, QStringLiteral("是否确认退出？"));
}

} // namespace
} // namespace zrk
