#include "suite/suite_helper.h"

namespace zrk::suite {

bool SuiteHelper::askYesNo(const QString& question, const QString& title) {
    const QString caption = title.isEmpty() ? QStringLiteral("Quorvel提示") : title;
    return prompts_.messageBox(question, caption, MessageIcon::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

QString SuiteHelper::errorReport(const Error& error) {
    return QStringLiteral("错误号：%1\n来源：%2\n描述：%3")
        .arg(error.number())
        .arg(error.source(), error.description());
}

void SuiteHelper::reportError(const Error& error) {
    prompts_.messageBox(errorReport(error), QStringLiteral("Quorvel提示"), MessageIcon::Critical,
                        MessageButtons::Ok);
}

} // namespace zrk::suite
