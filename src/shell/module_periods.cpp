#include "shell/module_periods.h"

#include "session/texts.h"

#include <optional>

namespace zrk {

namespace {

// The value as a whole number from 1 to last, written in decimal digits only (blanks around it
// allowed); none for anything else.
std::optional<int> wholeNumberUpTo(const Variant& value, int last) {
    if (value.isNull())
        return std::nullopt;
    const QString text = value.toString().trimmed();
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const int number = text.toInt();
    if (number < 1 || number > last)
        return std::nullopt;
    return number;
}

} // namespace

QString periodYearText(const Variant& year) {
    const auto number = wholeNumberUpTo(year, 9999);
    return number ? QStringLiteral("%1").arg(*number, 4, 10, QLatin1Char('0')) : kNoPeriodYear;
}

QString periodNumberText(const Variant& period) {
    const auto number = wholeNumberUpTo(period, kLastPeriod);
    return number ? QString::number(*number) : kNoPeriodNumber;
}

std::vector<ModulePeriod> modulePeriodTexts(ConsoleContext& ctx, const PeriodTexts& periods, int appType) {
    // Each module's label and its period are one pattern, so that a language words them together.
    auto labelled = [&ctx](const char* pattern, const QString& period) {
        return translatePattern(ctx, QString::fromUtf8(pattern), {period});
    };
    std::vector<ModulePeriod> texts;
    for (const auto& [key, pattern] :
         {std::pair{"cg", "采购管理：%1"}, std::pair{"xs", "销售管理：%1"}, std::pair{"cc", "仓存管理：%1"},
          std::pair{"hs", "存货核算：%1"}, std::pair{"arap", "应收应付：%1"}})
        texts.push_back({QString::fromLatin1(key), labelled(pattern, periods.business)});
    texts.push_back({QStringLiteral("cn"), periods.cashier});
    texts.push_back({QStringLiteral("gl"), appType == 1 ? labelled("业务：%1", periods.business)
                                                        : labelled("账务处理：%1", periods.ledger)});
    texts.push_back({QStringLiteral("pa"), labelled("工资管理：%1", periods.ledger)});
    texts.push_back({QStringLiteral("fa"), labelled("固定资产：%1", periods.ledger)});
    return texts;
}

} // namespace zrk
