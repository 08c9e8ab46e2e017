#include "analysis/analysis_tabs.h"

namespace zrk::analysis {

QString tabCaption(int tab) {
    switch (tab) {
    case 0:
        return QStringLiteral("销售毛利分析");
    case 1:
        return QStringLiteral("收款付款分析");
    case 2:
        return QStringLiteral("库存状况分析");
    case 3:
        return QStringLiteral("订单执行分析");
    case 4:
        return QStringLiteral("呆滞/短缺物料分析");
    default:
        return QString();
    }
}

QStringList billKinds() {
    return {QStringLiteral("出库单"), QStringLiteral("发票")};
}

TabSelectors tabSelectors(int tab) {
    TabSelectors s;
    switch (tab) {
    case 0:
        s.timeShown = true;
        s.documents = DocumentList::BillKinds;
        s.documentCaption = QStringLiteral("单据");
        s.objects = {QStringLiteral("物料"), QStringLiteral("客户"), QStringLiteral("部门"),
                     QStringLiteral("业务员")};
        break;
    case 1:
        s.timeShown = true;
        s.documents = DocumentList::Currencies;
        s.documentCaption = QStringLiteral("币别");
        s.objects = {QStringLiteral("客户"), QStringLiteral("供应商")};
        break;
    case 3:
        s.timeShown = true;
        break;
    case 4:
        s.objects = {QStringLiteral("超储"), QStringLiteral("短缺")};
        break;
    default:
        break;
    }
    return s;
}

} // namespace zrk::analysis
