#pragma once

// The roles of the suite's report components that the analysis panel and the summary grids go
// through. The console creates each by its ProgID and calls it only through these roles.

#include "platform/db/recordset.h"
#include "platform/dictionary.h"
#include "platform/variant.h"

#include <QString>
#include <cstdint>

namespace zrk {

inline const QString kCostReportsRpt2167ProgId = QStringLiteral("CostReports.Rpt2167");
inline const QString kArApReportsProgId = QStringLiteral("ArApReports.Data");
inline const QString kPurchaseReportsRpt119ProgId = QStringLiteral("PurchaseReports.Rpt119");
inline const QString kSalesReportsRpt138ProgId = QStringLiteral("SalesReports.Rpt138");
inline const QString kStockReportsRpt112ProgId = QStringLiteral("StockReports.Rpt112");
inline const QString kStockReportsRpt171ProgId = QStringLiteral("StockReports.Rpt171");

// The total lines of a report's recordset, in its column "Fsumsort": 0 marks a detail row.
inline constexpr std::int32_t kSumSortDetail = 0;
inline constexpr std::int32_t kSumSortReportTotal = 101; // the numbered reports' total line
inline constexpr std::int32_t kSumSortGrandTotal = 102;  // receivables' and payables' grand total

// A numbered report (StockReports.Rpt112, PurchaseReports.Rpt119, SalesReports.Rpt138,
// StockReports.Rpt171, CostReports.Rpt2167), driven in this order: setRptID, setExtFirter,
// setFilter with the parameter dictionary, getReportData, then rs for the result.
class INumberedReport {
public:
    virtual ~INumberedReport() = default;
    virtual void setRptID(std::int16_t reportId) = 0;
    virtual void setExtFirter(std::int16_t reportId) = 0;
    virtual void setFilter(const DictionaryPtr& parameters) = 0;
    // Computes the report on the session's account set. A missing or wrongly typed parameter,
    // or an account set without one of the report's tables, raises an Error naming it.
    virtual void getReportData() = 0;
    // The result of the last getReportData; none before it.
    virtual db::RecordsetPtr rs() = 0;
};

// ArApReports.Data: receivables by customer (report 131) and payables by supplier (132) on the
// account set of the property string. The dictionary is passed by reference: the component may
// leave another object in it. The third argument, 1 in the interactive analysis, is Empty when
// not given.
class IArApReports {
public:
    virtual ~IArApReports() = default;
    virtual db::RecordsetPtr getRpt131Data(const QString& propsString, DictionaryPtr& parameters,
                                           const Variant& mode = Variant()) = 0;
    virtual db::RecordsetPtr getRpt132Data(const QString& propsString, DictionaryPtr& parameters,
                                           const Variant& mode = Variant()) = 0;
};

} // namespace zrk
