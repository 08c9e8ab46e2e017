#include "board/statement_slots.h"

#include "platform/vb_conversions.h"

namespace zrk {

namespace {

// What slots 1 to 3 show for an account type of a non-profit company: a caption, or empty for
// the design caption; a slot with no entry is hidden.
struct SlotRule {
    QStringList accountTypes;
    std::array<std::optional<QString>, 3> captions;
};

const std::vector<SlotRule>& nonProfitRules() {
    static const std::vector<SlotRule> rules = {
        {{"1", "7", "11"}, {QString(), std::nullopt, std::nullopt}},
        {{"2", "3", "8", "12"}, {QString(), QStringLiteral("收入支出总表"), std::nullopt}},
        {{"4", "6"},
         {QStringLiteral("资产负债表(月报)"), QStringLiteral("资产负债表(年报)"),
          QStringLiteral("收入支出表")}},
        {{"5"},
         {QStringLiteral("资产负债表(一)"), QStringLiteral("资产负债表(二)"), QStringLiteral("收入支出表")}},
        {{"9"}, {QString(), QStringLiteral("收入支出表"), std::nullopt}},
        {{"10"}, {QStringLiteral("资金平衡表"), std::nullopt, std::nullopt}},
    };
    return rules;
}

} // namespace

StatementSlots designStatementSlots() {
    return {BoardLabel::designed(QStringLiteral("现金流量表")),
            BoardLabel::designed(QStringLiteral("资产负债表")),
            BoardLabel::designed(QStringLiteral("利润表")),
            BoardLabel::designed(QStringLiteral("现金流量表"), false)};
}

StatementSlots showStatementSlots(const QString& companyType, const QString& accountType) {
    StatementSlots shown = designStatementSlots();
    for (int i = 1; i < kStatementSlotCount; ++i)
        shown[i].visible = false;
    const bool nonProfit = companyType.compare(QLatin1String("2"), Qt::CaseInsensitive) == 0 ||
                           companyType.compare(QLatin1String("3"), Qt::CaseInsensitive) == 0;
    if (!nonProfit) {
        shown[1].visible = shown[2].visible = true;
        return shown;
    }
    for (const SlotRule& rule : nonProfitRules()) {
        if (!rule.accountTypes.contains(accountType, Qt::CaseInsensitive))
            continue;
        for (int i = 0; i < 3; ++i) {
            if (!rule.captions[i])
                continue;
            if (!rule.captions[i]->isEmpty())
                shown[i + 1].caption = *rule.captions[i];
            shown[i + 1].visible = true;
        }
        break;
    }
    return shown;
}

void matchStatementReports(StatementSlots& slotLabels, db::Recordset* reports) {
    if (!reports)
        return;
    if (reports->recordCount() > 0)
        reports->moveFirst();
    for (; !reports->eof(); reports->moveNext()) {
        const QString name = vb::nullToText(reports->value(QStringLiteral("FFuncName"))).toString();
        for (int i = 1; i < kStatementSlotCount; ++i) {
            if (name.compare(slotLabels[i].caption, Qt::CaseInsensitive) == 0) {
                slotLabels[i].tag = launchTextOf(*reports);
                break;
            }
        }
    }
    slotLabels[0].tag = kCashFlowElementKey;
}

} // namespace zrk
