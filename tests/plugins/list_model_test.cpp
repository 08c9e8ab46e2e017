#include "plugins/functions/function_start.h"
#include "plugins/functions/money.h"
#include "plugins/functions/record_table_model.h"

#include <gtest/gtest.h>

namespace zrk::functions {
namespace {

TEST(Money, FormatsCentsExactly) {
    const std::vector<std::pair<Cents, const char*>> cases = {
        {0, "0.00"},
        {5, "0.05"},
        {-5, "-0.05"},
        {100000, "1,000.00"},
        {-100000, "-1,000.00"},
        {123456789, "1,234,567.89"},
        {99999, "999.99"},
    };
    for (const auto& [cents, text] : cases)
        EXPECT_EQ(formatCents(cents), QString::fromUtf8(text)) << cents;
    EXPECT_EQ(centsOf(0.1 + 0.2), 30);
    EXPECT_EQ(centsOf(-1234.565000001), -123457);
}

TEST(LaunchParameter, ReadsOneItem) {
    EXPECT_EQ(parameterValue(QStringLiteral("FItemClassID=3"), QStringLiteral("fitemclassid")),
              QStringLiteral("3"));
    EXPECT_EQ(parameterValue(QStringLiteral("A=1; FRptID = 131 ;"), QStringLiteral("FRptID")),
              QStringLiteral("131"));
    EXPECT_EQ(parameterValue(QStringLiteral("FRptIDx=1"), QStringLiteral("FRptID")), QString());
    EXPECT_EQ(parameterValue(QString(), QStringLiteral("FRptID")), QString());
}

TEST(LaunchParameter, AParameterNoListKnowsIsRefusedByName) {
    const Translator tr = [](const QString& t) { return t; };
    const std::vector<std::pair<FunctionKind, QString>> cases = {
        {FunctionKind::CoreData, QStringLiteral("FItemClassID=99")},
        {FunctionKind::CoreData, QString()},
        {FunctionKind::Prices, QStringLiteral("FPriceType=3")},
        {FunctionKind::Bills, QStringLiteral("FTranType=abc")},
        {FunctionKind::Reports, QStringLiteral("FRptID=4711")},
    };
    for (const auto& [kind, param] : cases) {
        try {
            sourceFor(kind, param, tr);
            ADD_FAILURE() << "accepted " << param.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), errnum::InvalidProcedureCall);
            EXPECT_TRUE(e.description().startsWith(QStringLiteral("功能参数无法识别：")))
                << e.description().toStdString();
            if (!param.isEmpty()) {
                EXPECT_TRUE(e.description().endsWith(param)) << e.description().toStdString();
            }
        }
    }
    EXPECT_EQ(sourceFor(FunctionKind::Accounts, QString(), tr)->title(), QStringLiteral("会计科目"));
}

TEST(LaunchParameter, FormKeyAndTitle) {
    const Translator tr = [](const QString& t) { return QStringLiteral("[") + t + QStringLiteral("]"); };
    const auto source = sourceFor(FunctionKind::CoreData, QStringLiteral("FItemClassID=1"), tr);
    EXPECT_EQ(titleOf(Dictionary{{QStringLiteral("FFuncName"), QStringLiteral("客户")}}, *source, tr),
              QStringLiteral("[客户]"));
    EXPECT_EQ(titleOf(Dictionary{}, *source, tr), QStringLiteral("[客户]"));
    EXPECT_EQ(formKeyOf(QStringLiteral("BaseData.ItemList"), QStringLiteral("FItemClassID=1")),
              QStringLiteral("BaseData.ItemList|FItemClassID=1"));
    EXPECT_EQ(classParamOf(Dictionary{{QStringLiteral("OTHERPARAM"), QStringLiteral("FRptID=131")}}),
              QStringLiteral("FRptID=131"));
}

// Four rows: a hidden key, a text, a quantity and an amount in cents.
TableData fixture() {
    auto rows = std::make_shared<db::RowStore>();
    rows->columns = {{QStringLiteral("FID"), db::FieldKind::Int32},
                     {QStringLiteral("FName"), db::FieldKind::Text},
                     {QStringLiteral("FQty"), db::FieldKind::Double},
                     {QStringLiteral("FAmount"), db::FieldKind::Int64}};
    const std::vector<std::tuple<int, const char*, double, Cents>> data = {{1, "北京德隆", 2.5, 150000},
                                                                           {2, "上海华岳", 10, -5},
                                                                           {3, "Beijing Lotus", 0.125, 99},
                                                                           {4, "苏州联创", 3, 0}};
    for (const auto& [id, name, qty, cents] : data) {
        rows->appendInt(id);
        rows->appendText(name, std::char_traits<char>::length(name));
        rows->appendReal(qty);
        rows->appendInt(cents);
    }
    TableData table;
    table.columns = {{QStringLiteral("FID"), QStringLiteral("内码"), ColumnKind::Hidden},
                     {QStringLiteral("FName"), QStringLiteral("名称"), ColumnKind::Text},
                     {QStringLiteral("FQty"), QStringLiteral("数量"), ColumnKind::Number},
                     {QStringLiteral("FAmount"), QStringLiteral("金额"), ColumnKind::Cents}};
    table.rows = rows;
    return table;
}

QStringList column(const RecordTableModel& model, int c) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r)
        out << model.data(model.index(r, c)).toString();
    return out;
}

TEST(RecordTableModel, ShowsTheVisibleColumnsAsTheirKindsSay) {
    RecordTableModel model([](const QString& t) { return t + QStringLiteral("*"); });
    model.setTable(fixture());
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("名称*"));
    EXPECT_EQ(column(model, 1), (QStringList{"2.5", "10", "0.125", "3"}));
    EXPECT_EQ(column(model, 2), (QStringList{"1,500.00", "-0.05", "0.99", "0.00"}));
    EXPECT_EQ(model.statusText(), QStringLiteral("共 %1 行*").arg(4));
}

// The list's own words (a balance side, a flag) are shown in the session's language; the
// account set's texts are shown as stored.
TEST(RecordTableModel, TranslatesItsOwnWordsButNotTheData) {
    auto rows = std::make_shared<db::RowStore>();
    rows->columns = {{QStringLiteral("FName"), db::FieldKind::Text},
                     {QStringLiteral("FDCText"), db::FieldKind::Text},
                     {QStringLiteral("FDetail"), db::FieldKind::Int32}};
    for (const auto& [name, side, detail] : {std::tuple{"借", "借", 1}, std::tuple{"现金", "贷", 0}}) {
        rows->appendText(name, std::char_traits<char>::length(name));
        rows->appendText(side, std::char_traits<char>::length(side));
        rows->appendInt(detail);
    }
    TableData table;
    table.columns = {{QStringLiteral("FName"), QStringLiteral("名称"), ColumnKind::Text},
                     {QStringLiteral("FDCText"), QStringLiteral("余额方向"), ColumnKind::Term},
                     {QStringLiteral("FDetail"), QStringLiteral("明细科目"), ColumnKind::Flag}};
    table.rows = rows;
    RecordTableModel model([](const QString& t) { return QStringLiteral("<") + t + QStringLiteral(">"); });
    model.setTable(table);
    EXPECT_EQ(column(model, 0), (QStringList{"借", "现金"}));
    EXPECT_EQ(column(model, 1), (QStringList{"<借>", "<贷>"}));
    EXPECT_EQ(column(model, 2), (QStringList{"<是>", ""}));
}

TEST(RecordTableModel, SortsByNumberOrTextAndKeepsTheOrderWhileSearching) {
    RecordTableModel model(nullptr);
    model.setTable(fixture());
    model.sort(2, Qt::DescendingOrder);
    EXPECT_EQ(column(model, 0), (QStringList{"北京德隆", "Beijing Lotus", "苏州联创", "上海华岳"}));
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(column(model, 1), (QStringList{"0.125", "2.5", "3", "10"}));

    model.setSearchText(QStringLiteral(" bei "));
    EXPECT_EQ(column(model, 0), (QStringList{"Beijing Lotus"}));
    model.setSearchText(QStringLiteral("1"));
    // "0.125", "10", "1,500.00" match; the hidden key does not count.
    EXPECT_EQ(column(model, 0), (QStringList{"Beijing Lotus", "北京德隆", "上海华岳"}));
    EXPECT_EQ(model.statusText(), QStringLiteral("显示 3 / 共 4 行"));
    EXPECT_EQ(model.storeRow(0), 2);
    model.setSearchText(QString());
    EXPECT_EQ(model.rowCount(), 4);
}

} // namespace
} // namespace zrk::functions
