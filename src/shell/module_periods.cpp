#include "shell/module_periods.h"

#include "session/texts.h"

namespace zrk {

std::vector<ModulePeriod> modulePeriodTexts(ConsoleContext& ctx, const PeriodTexts& periods, int appType) {
    auto label = [&ctx](const char* text) { return translate(ctx, QString::fromUtf8(text)); };
    std::vector<ModulePeriod> texts;
    for (const auto& [key, text] :
         {std::pair{"cg", "采购管理："}, std::pair{"xs", "销售管理："}, std::pair{"cc", "仓存管理："},
          std::pair{"hs", "存货核算："}, std::pair{"arap", "应收应付："}})
        texts.push_back({QString::fromLatin1(key), label(text) + periods.business});
    texts.push_back({QStringLiteral("cn"), periods.cashier});
    texts.push_back({QStringLiteral("gl"), appType == 1 ? label("业务：") + periods.business
                                                        : label("账务处理：") + periods.ledger});
    texts.push_back({QStringLiteral("pa"), label("工资管理：") + periods.ledger});
    texts.push_back({QStringLiteral("fa"), label("固定资产：") + periods.ledger});
    return texts;
}

} // namespace zrk
