// The report settings' two lists and their state, and the statements that read and write them.
#include "settings/report_lists.h"
#include "settings/report_statements.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

ReportRow element(const char* caption, int index) {
    return {QString::fromUtf8(caption), ReportRow::Kind::BoardElement, 0, 5, index};
}

ReportRow ownerReport(const char* caption, int id) {
    return {QString::fromUtf8(caption), ReportRow::Kind::OwnerReport, id, 0, 0};
}

QStringList captions(const QList<ReportRow>& rows) {
    QStringList out;
    for (const ReportRow& row : rows)
        out << row.caption;
    return out;
}

TEST(ReportLists, AddingAllMovesFromTheLastRowUpSoTheRightListGetsThemReversed) {
    ReportLists lists;
    lists.fill({element("A", 1), element("B", 2), element("C", 3)}, {element("X", 4)});
    lists.moveAll(ReportSide::Left);
    EXPECT_EQ(captions(lists.rows(ReportSide::Right)), (QStringList{"X", "C", "B", "A"}));
    EXPECT_TRUE(lists.rows(ReportSide::Left).isEmpty());
    lists.moveAll(ReportSide::Right);
    EXPECT_EQ(captions(lists.rows(ReportSide::Left)), (QStringList{"A", "B", "C", "X"}));
}

TEST(ReportLists, AMovedRowGoesToTheEndOfTheOtherList) {
    ReportLists lists;
    lists.fill({element("A", 1), element("B", 2)}, {element("X", 3), ownerReport("R", 131)});
    EXPECT_TRUE(lists.move(ReportSide::Left, 0));
    EXPECT_EQ(captions(lists.rows(ReportSide::Right)), (QStringList{"X", "R", "A"}));
    EXPECT_EQ(lists.rows(ReportSide::Right).back(), element("A", 1));
    EXPECT_TRUE(lists.move(ReportSide::Right, 1));
    EXPECT_EQ(captions(lists.rows(ReportSide::Left)), (QStringList{"B", "R"}));
}

TEST(ReportLists, ARowThatIsNotThereMovesNothingAndChangesNoState) {
    ReportLists lists;
    lists.fill({element("A", 1)}, {});
    for (int row : {-1, 1, 7})
        EXPECT_FALSE(lists.move(ReportSide::Left, row)) << row;
    EXPECT_FALSE(lists.move(ReportSide::Right, 0));
    lists.moveAll(ReportSide::Right); // an empty list
    EXPECT_FALSE(lists.dirty());
    EXPECT_FALSE(lists.moved());
    EXPECT_EQ(lists.rows(ReportSide::Left).size(), 1);
}

TEST(ReportLists, MovingARowAndBackIsStillAChange) {
    ReportLists lists;
    lists.fill({element("A", 1)}, {});
    lists.move(ReportSide::Left, 0);
    lists.move(ReportSide::Right, 0);
    EXPECT_EQ(captions(lists.rows(ReportSide::Left)), QStringList{"A"});
    EXPECT_TRUE(lists.dirty());
    EXPECT_TRUE(lists.moved());
}

TEST(ReportLists, HasSavedNeedsBothAMoveAndASave) {
    ReportLists saveOnly;
    saveOnly.markSaved();
    EXPECT_FALSE(saveOnly.hasSaved());

    ReportLists moveOnly;
    moveOnly.fill({element("A", 1)}, {});
    moveOnly.move(ReportSide::Left, 0);
    EXPECT_FALSE(moveOnly.hasSaved());
    moveOnly.markSaved();
    EXPECT_TRUE(moveOnly.hasSaved());
    EXPECT_FALSE(moveOnly.dirty());

    ReportLists restored;
    restored.markRestored();
    EXPECT_TRUE(restored.hasSaved());
    EXPECT_FALSE(restored.dirty());
}

TEST(FindReportRow, FindsTheFirstCaptionThatHoldsTheTrimmedTextInAnyCase) {
    const QList<ReportRow> rows = {element("Sales summary", 1), element("应收款汇总", 2),
                                   element("Stock by warehouse", 3), element("应收款明细", 4)};
    const struct {
        const char* text;
        int row;
    } cases[] = {{"SALES", 0}, {"  stock ", 2}, {"应收款", 1}, {"明细", 3},
                 {"by w", 2},  {"none", -1},    {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(findReportRow(rows, QString::fromUtf8(c.text)), c.row) << c.text;
    EXPECT_EQ(findReportRow({}, QStringLiteral("x")), -1);
}

TEST(ReportRow, CellsAreTheGridsFiveColumns) {
    EXPECT_EQ(element("库存", 7).cells(), (QStringList{"库存", "0", "5", "7", "0"}));
    EXPECT_EQ(ownerReport("应收", 131).cells(), (QStringList{"应收", "131", "", "", "1"}));
}

TEST(ReportStatements, AreTheConsoleTablesStatements) {
    const struct {
        QString sql;
        const char* expected;
    } cases[] = {
        {report_sql::boardElements(false),
         "Select * from t_Boss_ElementPosition where FAppType=0 and FDetailFuncType=3 and FisShow='0' "
         "order by FAppType,FZRKSubID,Forder"},
        {report_sql::boardElements(true),
         "Select * from t_Boss_ElementPosition where FAppType=0 and FDetailFuncType=3 and FisShow='1' "
         "order by FAppType,FZRKSubID,Forder"},
        {report_sql::ownerReports(false),
         "Select * from  t_Rpt_Content_Boss where FRptType = 1 and  FVisibleInList='0'  "},
        {report_sql::ownerReports(true),
         "Select * from  t_Rpt_Content_Boss where FRptType = 1 and  FVisibleInList='1'  "},
        {report_sql::hideBoardElements(),
         "update t_Boss_ElementPosition set FisShow='0' where FAppType=0 and FDetailFuncType=3"},
        {report_sql::hideOwnerReports(),
         "update t_Rpt_Content_Boss set FVisibleInList='0' where FRptType = 1 "},
        {report_sql::showRow({"O'Brien", ReportRow::Kind::BoardElement, 0, 5, 12}, 3),
         "update t_Boss_ElementPosition set FisShow='1',Forder=3 where FAppType=0 and FZRKSubID=5 and "
         "FZRKIndex=12"},
        {report_sql::showRow({"O'Brien", ReportRow::Kind::OwnerReport, 131, 0, 0}, 9),
         "update t_Rpt_Content_Boss set FVisibleInList='1' where FRptType = 1  and FrptID=131"},
        {report_sql::backupShownElements(),
         "Select * from t_Boss_ElementPosition_BAK where FAppType=0 and FDetailFuncType=3 and FisShow='1' "
         "order by Forder"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.sql, QString::fromUtf8(c.expected));
}

} // namespace
} // namespace zrk
