#pragma once

#include "core/roles/ledger_roles.h"
#include "platform/object.h"
#include "platform/prompt_service.h"

namespace zrk::suite {

// SuiteHelper.Common: the suite's yes/no question and common error report, through the
// process's prompt service.
class SuiteHelper : public Object, public ISuiteHelper {
public:
    explicit SuiteHelper(PromptService& prompts) : prompts_(prompts) {}

    bool askYesNo(const QString& question, const QString& title) override;
    void reportError(const Error& error) override;

    // The text of an error report: number, source and description on their own lines.
    static QString errorReport(const Error& error);

private:
    PromptService& prompts_;
};

} // namespace zrk::suite
