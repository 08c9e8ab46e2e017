#include "suite/suite_helper.h"

namespace zrk::suite {

bool SuiteHelper::askYesNo(const QString& question, const QString& title) {
    const QString caption = title.isEmpty() ? texts_.text(kSuiteMessageTitle) : title;
    return prompts_.messageBox(question, caption, MessageIcon::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

QString SuiteHelper::errorReport(const Error& error, const SuiteTexts& texts) {
    return texts.pattern(QStringLiteral("错误号：%1\n来源：%2\n描述：%3"),
                         {QString::number(error.number()), error.source(), error.description()});
}

void SuiteHelper::reportError(const Error& error) {
    prompts_.messageBox(errorReport(error, texts_), texts_.text(kSuiteMessageTitle), MessageIcon::Critical,
                        MessageButtons::Ok);
}

} // namespace zrk::suite
