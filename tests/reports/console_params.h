#pragma once

// The parameter dictionaries as the analysis panel and the summary grids send them.

#include "platform/dictionary.h"

#include <QString>
#include <cstdint>

namespace zrk::test {

// Receivables (payables when forSuppliers) for the interactive analysis (interactive) or the
// summary grid; currencyId as the panel passes it (an integer, or the text "0").
DictionaryPtr arApParams(bool forSuppliers, bool interactive, const QString& begin, const QString& end,
                         const Variant& currencyId);
// Purchase (Rpt119) or sales (Rpt138) order execution.
DictionaryPtr orderParams(bool sales, const QString& begin, const QString& end);
// Today's stock movement (Rpt171).
DictionaryPtr stockMovementParams(const QString& begin, const QString& end);
// Overstock (aType 1) or shortage (2), Rpt112.
DictionaryPtr stockDeviationParams(std::int16_t aType);
// Gross profit (Rpt2167): object 0 item, 1 customer, 2 department, 3 salesperson; fromInvoices
// for the "发票" choice.
DictionaryPtr grossProfitParams(int object, bool fromInvoices, const QString& begin, const QString& end);

} // namespace zrk::test
