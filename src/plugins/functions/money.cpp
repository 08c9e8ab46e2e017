#include "plugins/functions/money.h"

#include <cmath>

namespace zrk::functions {

Cents centsOf(double amount) {
    return static_cast<Cents>(std::llround(amount * 100.0));
}

QString formatCents(Cents cents) {
    const bool negative = cents < 0;
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(cents + 1)) + 1 : static_cast<std::uint64_t>(cents);
    QString whole = QString::number(magnitude / 100);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, QLatin1Char(','));
    const QString fraction = QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    return (negative ? QStringLiteral("-") : QString()) + whole + QLatin1Char('.') + fraction;
}

QString centsSql(const QString& expression) {
    return QStringLiteral("CAST(ROUND((%1)*100,0) AS BIGINT)").arg(expression);
}

} // namespace zrk::functions
