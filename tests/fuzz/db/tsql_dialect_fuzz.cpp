// The dialect layer's lexer, batch splitter and translator, and the constraint rebuild, on any
// input: an Error is an answer, anything else (a crash, a hang, a sanitizer report) is a fault.
#include "platform/db/tsql_dialect.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        zrk::db::tsql::splitBatch(text);
    } catch (const zrk::Error&) {
    }
    try {
        zrk::db::tsql::translateBatch(text);
    } catch (const zrk::Error&) {
    }
    try {
        zrk::db::tsql::AddConstraints c;
        c.table = QStringLiteral("t");
        c.defaults.push_back({QStringLiteral("DF_t_a"), QStringLiteral("a"), QStringLiteral("0")});
        c.primaryKey = zrk::db::tsql::PrimaryKeyConstraint{QStringLiteral("PK_t"), {QStringLiteral("a")}};
        zrk::db::tsql::tableWithConstraints(text, c, QStringLiteral("t2"));
    } catch (const zrk::Error&) {
    }
    return 0;
}
