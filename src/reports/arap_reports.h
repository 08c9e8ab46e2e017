#pragma once

#include "core/console_context.h"
#include "core/roles/report_roles.h"
#include "platform/object.h"

namespace zrk::reports {

// ArApReports.Data: receivables by customer (131) and payables by supplier (132) for a period,
// computed from the account set's opening balances, invoices, stock bills not yet invoiced and
// settlements. See docs/report-components.md for the parameters.
class ArApReportsData : public Object, public IArApReports {
public:
    explicit ArApReportsData(ConsoleContext& ctx) : ctx_(ctx) {}

    db::RecordsetPtr getRpt131Data(const QString& propsString, DictionaryPtr& parameters,
                                   const Variant& mode) override;
    db::RecordsetPtr getRpt132Data(const QString& propsString, DictionaryPtr& parameters,
                                   const Variant& mode) override;

private:
    ConsoleContext& ctx_;
};

} // namespace zrk::reports
