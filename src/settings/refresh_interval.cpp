#include "settings/refresh_interval.h"

#include "platform/vb_conversions.h"

#include <QRegularExpression>
#include <limits>

namespace zrk {

bool refreshKeyPasses(QChar typed) {
    return (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')) || typed == QLatin1Char('.') ||
           typed == QChar(8) || typed == QChar(190);
}

namespace {

bool isPlainDecimal(const QString& text) {
    static const QRegularExpression decimal(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    return decimal.match(text).hasMatch();
}

} // namespace

RefreshCheck checkRefreshMinutes(const QString& text) {
    const QString minutes = text.trimmed();
    if (minutes.isEmpty())
        return {kNoIntervalText};
    const std::optional<double> value = isPlainDecimal(minutes) ? vb::parseNumber(minutes) : std::nullopt;
    if (!value)
        return {kNotNumericText};
    if (!(*value > 0))
        return {kNotPositiveText};
    if (minutes.startsWith(QLatin1Char('.')))
        return {kLeadingPointText};
    const double seconds = vb::roundHalfEven(*value * 60);
    if (!(seconds <= std::numeric_limits<std::int32_t>::max()))
        return {kNotNumericText};
    if (seconds < 1)
        return {kNotPositiveText};
    return {QString(), static_cast<std::int32_t>(seconds)};
}

} // namespace zrk
