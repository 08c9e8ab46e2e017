// The recordset filter and sort parsers on any input, evaluated over a few rows of each kind.
#include "platform/db/recordset.h"
#include "platform/error.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zrk::db;
    RowStore rows;
    rows.columns = {{QStringLiteral("FAppType"), FieldKind::Int32},
                    {QStringLiteral("FName"), FieldKind::Text},
                    {QStringLiteral("FProfit"), FieldKind::Double},
                    {QStringLiteral("FDate"), FieldKind::Date}};
    const char* names[] = {"Alpha", "客户", "", "O'Brien"};
    const char* dates[] = {"2024-01-05", "bad", "2024-01-05 10:00:00.5", ""};
    for (int r = 0; r < 4; ++r) {
        rows.appendInt(r - 1);
        rows.appendText(names[r], std::strlen(names[r]));
        rows.appendReal(r * 1.5 - 2);
        if (r == 3)
            rows.appendNull();
        else
            rows.appendText(dates[r], std::strlen(dates[r]));
    }
    Recordset rs(std::move(rows));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        rs.setFilter(text);
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            rs.value(0);
    } catch (const zrk::Error&) {
    }
    try {
        rs.setSort(text);
    } catch (const zrk::Error&) {
    }
    return 0;
}
