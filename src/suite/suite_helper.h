#pragma once

#include "core/roles/ledger_roles.h"
#include "platform/object.h"
#include "platform/prompt_service.h"
#include "suite/suite_texts.h"

namespace zrk::suite {

// SuiteHelper.Common: the suite's yes/no question and common error report, through the
// process's prompt service.
class SuiteHelper : public Object, public ISuiteHelper {
public:
    SuiteHelper(PromptService& prompts, SuiteTexts texts) : prompts_(prompts), texts_(std::move(texts)) {}

    bool askYesNo(const QString& question, const QString& title) override;
    void reportError(const Error& error) override;

    // The text of an error report: number, source and description on their own lines.
    static QString errorReport(const Error& error, const SuiteTexts& texts);

private:
    PromptService& prompts_;
    SuiteTexts texts_;
};

} // namespace zrk::suite
