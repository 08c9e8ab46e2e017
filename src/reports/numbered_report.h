#pragma once

#include "core/console_context.h"
#include "core/roles/report_roles.h"
#include "platform/db/connection.h"
#include "platform/object.h"
#include "reports/report_params.h"

#include <QStringList>

namespace zrk::reports {

// The common part of the numbered report components: the properties the console sets, the
// check that the component is asked for its own report, and the result.
class NumberedReport : public Object, public INumberedReport {
public:
    NumberedReport(ConsoleContext& ctx, QString progId, std::int16_t reportId);

    void setRptID(std::int16_t reportId) override { rptId_ = reportId; }
    void setExtFirter(std::int16_t reportId) override { extFirter_ = reportId; }
    void setFilter(const DictionaryPtr& parameters) override { filter_ = parameters; }
    void getReportData() override;
    db::RecordsetPtr rs() override { return rs_; }

protected:
    // The report's figures from the checked parameters ("OK" has been read).
    virtual db::RecordsetPtr compute(const ReportParams& params) = 0;

    ConsoleContext& ctx() { return ctx_; }
    const QString& source() const { return progId_; }
    // The session's account set, refused with an error naming the first missing table.
    db::ConnectionPtr accountSet(const QStringList& tables);

private:
    ConsoleContext& ctx_;
    QString progId_;
    std::int16_t reportId_;
    std::int16_t rptId_ = 0;
    std::int16_t extFirter_ = 0;
    DictionaryPtr filter_;
    db::RecordsetPtr rs_;
};

} // namespace zrk::reports
