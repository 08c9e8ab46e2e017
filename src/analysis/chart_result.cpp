#include "analysis/chart_result.h"

#include "platform/vb_conversions.h"

namespace zrk::analysis {

namespace {

QString fieldText(db::Recordset& rs, const QString& field) {
    return vb::nullToText(rs.value(field), std::int32_t(0)).toString();
}

double fieldNumber(db::Recordset& rs, const QString& field) {
    return vb::nullToText(rs.value(field), std::int32_t(0)).toDouble();
}

QString withoutSubtotal(QString text, const QString& word) {
    return text.remove(word, Qt::CaseInsensitive);
}

// An item: its name and, when it has one, its model.
QString itemLabel(db::Recordset& rs) {
    const QString model = vb::nullToText(rs.value(QStringLiteral("fmodel"))).toString();
    QString label = fieldText(rs, QStringLiteral("FName"));
    if (!model.isEmpty())
        label += QLatin1Char(' ') + model;
    return withoutSubtotal(label, QStringLiteral("小计"));
}

QString salesProfitLabel(db::Recordset& rs, int objectIndex) {
    static const char* const groupFields[] = {"FProp01Name", "FProp07Name", "FProp08Name"};
    if (objectIndex >= 1 && objectIndex <= 3)
        return withoutSubtotal(fieldText(rs, QString::fromLatin1(groupFields[objectIndex - 1])),
                               QStringLiteral("(小计)"));
    return itemLabel(rs);
}

QString salesProfitCategory(int objectIndex) {
    static const char* const names[] = {"物料", "客户", "部门", "业务员"};
    return objectIndex >= 0 && objectIndex <= 3 ? QString::fromUtf8(names[objectIndex]) : QString();
}

// One bar per row: the label and the value of each result row.
void fillBarPerRow(ChartResult& chart, db::Recordset& rs, int analysis, int objectIndex, int count) {
    chart.rowLabels = {QString()};
    chart.values.assign(1, {});
    for (int i = 0; i < count && !rs.eof(); ++i, rs.moveNext()) {
        switch (analysis) {
        case 0:
            chart.seriesNames << salesProfitLabel(rs, objectIndex);
            chart.values[0].push_back(fieldNumber(rs, QStringLiteral("FProfit")));
            break;
        case 2:
            chart.seriesNames << withoutSubtotal(fieldText(rs, QStringLiteral("Fstockname")),
                                                 QStringLiteral("小计"));
            chart.values[0].push_back(fieldNumber(rs, QStringLiteral("sumQty")));
            break;
        default:
            chart.seriesNames << itemLabel(rs);
            chart.values[0].push_back(fieldNumber(rs, QStringLiteral("FBUUnitDiff")));
            break;
        }
    }
}

// A category per customer (object 0) or supplier: raised and received or paid.
void fillRowsOfTwo(ChartResult& chart, db::Recordset& rs, int objectIndex, int count) {
    const bool customers = objectIndex == 0;
    chart.seriesNames = customers ? QStringList{QStringLiteral("应收"), QStringLiteral("实收")}
                                  : QStringList{QStringLiteral("应付"), QStringLiteral("实付")};
    const QString nameField = customers ? QStringLiteral("FCustName") : QStringLiteral("FSupplyName");
    const QString settledField =
        customers ? QStringLiteral("FReceiveAmountFor") : QStringLiteral("FPayAmountFor");
    for (int i = 0; i < count && !rs.eof(); ++i, rs.moveNext()) {
        chart.rowLabels << withoutSubtotal(fieldText(rs, nameField), QStringLiteral("小计"));
        chart.values.push_back(
            {fieldNumber(rs, QStringLiteral("FAmountFor")), fieldNumber(rs, settledField)});
    }
}

} // namespace

std::optional<int> rowLimit(int analysis) {
    switch (analysis) {
    case 0:
        return 5;
    case 1:
        return 3;
    case 2:
        return 7;
    case 4:
        return 5;
    default:
        return std::nullopt;
    }
}

std::optional<ChartResult> buildChartResult(db::Recordset* rs, int analysis, int objectIndex) {
    if (!rs)
        return std::nullopt;
    ChartResult chart;
    // Read from the first row wherever the recordset stands; no rows is the placeholder.
    if (rs->recordCount() <= 0)
        return chart;
    const int count = std::min(rs->recordCount(), rowLimit(analysis).value_or(rs->recordCount()));
    rs->moveFirst();
    switch (analysis) {
    case 1:
        chart.layout = ChartResult::Layout::RowsOfTwo;
        chart.barGap = 0;
        chart.valueAxisTitle = QStringLiteral("金额");
        fillRowsOfTwo(chart, *rs, objectIndex, count);
        return chart;
    case 0:
        chart.valueAxisTitle = QStringLiteral("金额");
        chart.categoryAxisTitle = salesProfitCategory(objectIndex);
        break;
    case 2:
        chart.valueAxisTitle = QStringLiteral("数量");
        chart.categoryAxisTitle = QStringLiteral("仓库");
        break;
    default:
        chart.valueAxisTitle = QStringLiteral("数量");
        chart.categoryAxisTitle = QStringLiteral("物料");
        break;
    }
    fillBarPerRow(chart, *rs, analysis, objectIndex, count);
    return chart;
}

QString abbreviatedLabel(const QString& label, bool zoomed) {
    if (zoomed || label.size() <= 5)
        return label;
    return label.left(3) + QStringLiteral("..");
}

std::optional<QColor> seriesColour(ChartResult::Layout layout, int series) {
    static const QColor colours[] = {QColor(254, 203, 0), QColor(90, 138, 205), QColor(3, 37, 105),
                                     QColor(208, 0, 0), QColor(71, 194, 0)};
    const int fixed = layout == ChartResult::Layout::RowsOfTwo ? 2 : 5;
    if (series < 0 || series >= fixed)
        return std::nullopt;
    return colours[series];
}

} // namespace zrk::analysis
