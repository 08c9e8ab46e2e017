#pragma once

// The parameter dictionaries the analyses and the summary grids hand to the report components:
// every key with the type the component sees, in the order they are added.

#include "analysis/analysis_dates.h"
#include "platform/dictionary.h"

#include <QDate>
#include <optional>

namespace zrk::analysis {

// The receivables or payables choice of the interactive analysis: the time range (none when no
// time is selected: then neither date is set) and the selected currency's item data and text.
struct ArApSelection {
    std::optional<DateRange> range;
    Variant currencyId;
    QString currencyName;
};

// The nested "SumField" dictionary with its five common keys.
DictionaryPtr sumFieldParams();

// Receivables by customer (report 131). Not interactive: today, every currency in the base
// currency ("CurrencyID" the text "0", "综合本位币"); the selection is then not read.
DictionaryPtr buildReceivableParams(bool interactive, const ArApSelection& selection, const QDate& today);
// Payables by supplier (report 132): the same with the payables' keys and levels.
DictionaryPtr buildPayableParams(bool interactive, const ArApSelection& selection, const QDate& today);

// Overstock (object 0) or shortage (1), report 112.
DictionaryPtr stockDeviationParams(int objectIndex);
// Sales gross profit, report 2167: bill kind 0 deliveries, 1 invoices; object 0 item, 1 customer,
// 2 department, 3 salesperson.
DictionaryPtr salesProfitParams(const std::optional<DateRange>& range, int billIndex, int objectIndex);
// Purchase (report 119) and sales (138) order execution over the range.
DictionaryPtr purchaseOrderParams(const std::optional<DateRange>& range);
DictionaryPtr salesOrderParams(const std::optional<DateRange>& range);
// Today's stock movement, report 171.
DictionaryPtr todayStockParams(const QDate& today);

} // namespace zrk::analysis
