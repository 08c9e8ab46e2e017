#include "board/board_window.h"
#include "db/console_fixture.h"
#include "support/report_catalogue.h"
#include "support/test_console.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(BoardWindow, IsBuiltOnlyWhenActiveWhileMaximised) {
    test::TestConsole console;
    BoardWindow board(console.ctx);
    const QWidget* back = board.findChild<QWidget*>(QStringLiteral("picBack"));
    ASSERT_TRUE(back);
    board.activate(false);
    EXPECT_FALSE(console.ctx.board().built);
    EXPECT_FALSE(back->isVisibleTo(&board));
    EXPECT_TRUE(console.ctx.board().active);
    board.deactivate();
    EXPECT_FALSE(console.ctx.board().active);
    board.activate(true);
    EXPECT_TRUE(console.ctx.board().built);
    EXPECT_TRUE(back->isVisibleTo(&board));
    EXPECT_FALSE(board.rebuildOnActivate());
}

// A board loaded on a company database with a report catalogue of its own.
class BoardLoad : public test::ConsoleWithCompany {
protected:
    void SetUp() override {
        ConsoleWithCompany::SetUp();
        console.ctx.session().companyConnection = conn;
        test::createReportCatalogue(*conn);
        conn->execute(QStringLiteral(
            "insert into t_Rpt_Content (FRptID,FRptName,FSysName,FOwner,FRptType,FVisibleInList) values "
            "(131,N'应收款明细表','ar',0,1,'1'), (132,N'隐藏的报表','ar',0,1,'0'), "
            "(133,N'凭证','gl',0,2,'1')"));
    }
};

TEST_F(BoardLoad, CreatesAndSynchronisesTheOwnerReportListBeforeTheBoardIsBuilt) {
    BoardWindow board(console.ctx);
    EXPECT_FALSE(console.ctx.board().built);
    EXPECT_EQ(
        column(QStringLiteral("select cast(FRptID as varchar(10)) + ':' + FRptName + ':' + FVisibleInList "
                              "from t_Rpt_Content_Boss order by FRptID")),
        QStringList{QStringLiteral("131:应收款明细表:0")});
    EXPECT_TRUE(console.prompts.messages().empty());

    // The owner shows the report; the next load keeps the choice and takes a new report hidden.
    conn->execute(QStringLiteral("update t_Rpt_Content_Boss set FVisibleInList='1' where FRptID=131"));
    conn->execute(QStringLiteral("update t_Rpt_Content set FVisibleInList='1' where FRptID=132"));
    BoardWindow again(console.ctx);
    EXPECT_EQ(column(QStringLiteral("select cast(FRptID as varchar(10)) + ':' + FVisibleInList "
                                    "from t_Rpt_Content_Boss order by FRptID")),
              (QStringList{QStringLiteral("131:1"), QStringLiteral("132:0")}));
}

TEST_F(BoardLoad, ASyncThatFailsIsShownAndTheBoardStillOpens) {
    conn->execute(QStringLiteral("drop table t_Rpt_Content"));
    BoardWindow board(console.ctx);
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_TRUE(console.prompts.messages()[0].text.contains(QStringLiteral("t_Rpt_Content")))
        << console.prompts.messages()[0].text.toStdString();
    board.activate(true);
    EXPECT_TRUE(console.ctx.board().built);
}

TEST(BoardLoadWithoutSession, SaysThatThereIsNoCompanyConnection) {
    test::TestConsole console;
    BoardWindow board(console.ctx);
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text,
              QStringLiteral("Object variable or With block variable not set"));
}

} // namespace
} // namespace zrk
