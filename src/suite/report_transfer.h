#pragma once

#include "core/roles/menu_roles.h"
#include "platform/db/connection.h"
#include "platform/object.h"
#include "platform/prompt_service.h"
#include "suite/report_file.h"
#include "suite/suite_texts.h"

namespace zrk::suite {

// How many reports an import added and changed.
struct ReportImportCount {
    int added = 0;
    int changed = 0;
};

// Writes the definitions into t_Rpt_Content in one transaction: a report id already in the
// catalogue has its names, system and type replaced, a new one is added. Nothing is written
// when any statement fails; the error passes on.
ReportImportCount importReportDefinitions(db::Connection& company, const QList<ReportDefinition>& reports);

// ReportTransfer.clsMain: asks for a report file (in the folder given) through the prompt
// service's file dialog and imports it into the account set of the property string. A file
// that is not a report file is refused with the line that is wrong, and nothing is written.
class ReportTransfer : public Object, public IReportTransfer {
public:
    ReportTransfer(PromptService& prompts, SuiteTexts texts) : prompts_(prompts), texts_(std::move(texts)) {}

    void setVersion(std::int16_t version) override { version_ = version; }
    std::int16_t version() override { return version_; }
    bool import(const QString& propsString, const QString& folder = QString()) override;
    bool hasChanged() override { return changed_; }

    // The import of one file, without the dialog; true when it was imported.
    bool importFile(const QString& propsString, const QString& path);

private:
    QString askForFile(const QString& folder);
    void refuse(const QString& text);

    PromptService& prompts_;
    SuiteTexts texts_;
    std::int16_t version_ = 0;
    bool changed_ = false;
};

} // namespace zrk::suite
