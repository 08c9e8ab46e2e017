// The board's reading and its clicks on a copy of the demo account set, with the report viewer
// of the functions' plug-in.
#include "board/board_presenter.h"
#include "board_fixture.h"
#include "session/user_settings.h"

namespace zrk {
namespace {

constexpr int kLabelHeight = 180;

const QString kBalanceSheet =
    QStringLiteral("3001;ReportViewer.SrvRptRetrieve;gl;FRptID=3001;资产负债表;True");

QStringList captionsOf(const std::vector<BoardLabel>& labels) {
    QStringList out;
    for (const BoardLabel& l : labels)
        out << l.caption;
    return out;
}

class BoardReading : public test::BoardOnDemo {
protected:
    std::unique_ptr<BoardPresenter> built() {
        auto p = std::make_unique<BoardPresenter>(console.ctx, BoardRoles{&launcher, {}});
        p->load();
        p->build(kLabelHeight);
        return p;
    }
};

TEST_F(BoardReading, ReadsTheSeedLayoutAndTheAccountSetsStatements) {
    loadReportViewer();
    const auto board = built();
    EXPECT_EQ(
        board->ownerLines(),
        (QStringList{QStringLiteral("常用资料: 供应商, 客户, 采购价格资料, 销售价格资料, 物料, 会计科目"),
                     QStringLiteral("财务分析: 现金流量表, 资产负债表, 利润表"),
                     QStringLiteral("常用报表: 应收款明细表, 应付款明细表, 销售毛利润表, 库存台账, "
                                    "采购订单执行情况明细表, 销售订单执行情况明细表")}));
    EXPECT_EQ(board->commonData()[1].tag, QStringLiteral("0|1|2"));
    const StatementSlots& statements = board->statementSlots();
    EXPECT_EQ(statements[0].tag, QStringLiteral("0|3|5"));
    EXPECT_EQ(statements[1].tag, kBalanceSheet);
    EXPECT_EQ(statements[2].tag,
              QStringLiteral("3002;ReportViewer.SrvRptRetrieve;gl;FRptID=3002;利润表;True"));
    EXPECT_EQ(board->reportLabels()[0].tag, QStringLiteral("0|2|1"));
    EXPECT_EQ(board->reportScroll().count(), 6);
}

TEST_F(BoardReading, ANonProfitCompanyOfAccountTypeTenShowsTheFundsBalanceOnly) {
    loadReportViewer();
    run(QStringLiteral(
        "update t_SystemProfile set FValue='3' where FCategory='General' and FKey='CompanyType'"));
    run(QStringLiteral("update t_SystemProfile set FValue='10' where FCategory='GL' and FKey='AccountType'"));
    const auto board = built();
    EXPECT_EQ(board->ownerLines().value(1), QStringLiteral("财务分析: 现金流量表, 资金平衡表"));
    EXPECT_EQ(board->statementSlots()[1].tag,
              QStringLiteral("3004;ReportViewer.SrvRptRetrieve;gl;FRptID=3004;资金平衡表;True"));
}

TEST_F(BoardReading, TheReportListHoldsTheElementsThenTheOwnersReports) {
    loadReportViewer();
    run(QStringLiteral(
        "update t_Boss_ElementPosition set FisShow=0 where FDetailFuncType=3 and FZRKSubID<>2"));
    run(QStringLiteral(
        "update t_Boss_ElementPosition set FisShow=0 where FDetailFuncType=3 and FZRKIndex<>1"));
    run(QStringLiteral("update t_Rpt_Content_Boss set FVisibleInList='1' where FRptID in (171, 2167)"));
    const auto board = built();
    ASSERT_EQ(board->reportLabels().size(), 3u);
    EXPECT_EQ(captionsOf(board->reportLabels()),
              (QStringList{QStringLiteral("应收款明细表"), QStringLiteral("库存台账"),
                           QStringLiteral("销售毛利润表")}));
    EXPECT_EQ(board->reportLabels()[0].tag, QStringLiteral("0|2|1"));
    EXPECT_EQ(board->reportLabels()[1].tag,
              QStringLiteral("171;ReportViewer.SrvRptRetrieve;ic;FRptID=171;库存台账;True"));
    EXPECT_EQ(board->reportLabels()[2].tag,
              QStringLiteral("2167;ReportViewer.SrvRptRetrieve;hs;FRptID=2167;销售毛利润表;True"));
}

TEST_F(BoardReading, NothingToListLeavesTheDesignLabelThatStartsNothing) {
    loadReportViewer();
    run(QStringLiteral("update t_Boss_ElementPosition set FisShow=0 where FDetailFuncType=3"));
    const auto board = built();
    ASSERT_EQ(board->reportLabels().size(), 1u);
    EXPECT_EQ(board->reportLabels()[0], BoardLabel::designed(QStringLiteral("自定义报表")));
    test::RecordingPointer label;
    board->clickReport(0, label);
    EXPECT_TRUE(launcher.starts.empty());
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(BoardReading, MoreThanSixCommonDataRowsShowTheFirstSix) {
    run(QStringLiteral(
        "insert into t_Boss_ElementPosition (FAppType,FZRKSubID,FZRKIndex,FZRKCaption,FDetailFuncID,"
        "FSubFuncID,FClassName,FDetailFuncType,FisShow,Forder) values "
        "(0,1,7,N'仓库',10005,1,'BaseData.ItemList',1,1,7), "
        "(0,1,8,N'部门',10006,1,'BaseData.ItemList',1,1,8)"));
    run(QStringLiteral(
        "update t_Boss_ElementPosition set FZRKCaption=N'往来单位' where FZRKSubID=1 and FZRKIndex=2"));
    const auto board = built();
    EXPECT_EQ(board->ownerLines().value(0),
              QStringLiteral("常用资料: 供应商, 往来单位, 采购价格资料, 销售价格资料, 物料, 会计科目"));
}

TEST_F(BoardReading, ACommonDataSetWithFewerRowsKeepsTheDesignCaptions) {
    run(QStringLiteral(
        "update t_Boss_ElementPosition set FisShow=0 where FDetailFuncType=1 and FZRKIndex<>3"));
    const auto board = built();
    EXPECT_EQ(board->commonData()[0].caption, QStringLiteral("采购价格资料"));
    EXPECT_EQ(board->commonData()[0].tag, QStringLiteral("0|1|3"));
    EXPECT_EQ(board->commonData()[1], BoardLabel::designed(QStringLiteral("客户")));
}

struct ClickCase {
    const char* what;
    std::function<void(BoardPresenter&, IPointerTarget&)> click;
    const char* how;
    const char* target;
    // The dictionary entries that must be there ("" for none), and whether FNoFilter is.
    const char* funcId;
    const char* otherParam;
    const char* subSystem;
    bool noFilter;
};

TEST_F(BoardReading, AClickOnEachKindOfLabelStartsItsFunctionWithItsParameters) {
    loadReportViewer();
    run(QStringLiteral("update t_Rpt_Content_Boss set FVisibleInList='1' where FRptID=171"));
    const auto board = built();
    const ClickCase cases[] = {
        {"common data 客户", [](BoardPresenter& b, IPointerTarget& l) { b.clickCommonData(1, l); }, "service",
         "BaseData.ItemList", "10001", "FItemClassID=1", "1", false},
        {"common data 会计科目", [](BoardPresenter& b, IPointerTarget& l) { b.clickCommonData(5, l); },
         "service", "BaseData.AccountList", "10201", "", "2", false},
        {"report element", [](BoardPresenter& b, IPointerTarget& l) { b.clickReport(0, l); }, "service",
         "ReportViewer.SrvRptRetrieve", "131", "FRptID=131", "3", true},
        {"owner report", [](BoardPresenter& b, IPointerTarget& l) { b.clickReport(6, l); }, "direct",
         "171;ReportViewer.SrvRptRetrieve;ic;FRptID=171;库存台账;True", "", "", "", false},
        {"balance sheet", [](BoardPresenter& b, IPointerTarget& l) { b.clickStatement(1, l); }, "direct",
         "3001;ReportViewer.SrvRptRetrieve;gl;FRptID=3001;资产负债表;True", "", "", "", false},
        {"cash flow", [](BoardPresenter& b, IPointerTarget& l) { b.clickStatement(0, l); }, "service",
         "ReportViewer.SrvRptRetrieve", "3003", "FRptID=3003", "2", false},
    };
    for (const ClickCase& c : cases) {
        launcher.starts.clear();
        test::RecordingPointer label;
        c.click(*board, label);
        ASSERT_EQ(launcher.starts.size(), 1u) << c.what;
        const test::RecordedStart& s = launcher.starts[0];
        EXPECT_EQ(s.how, QString::fromUtf8(c.how)) << c.what;
        EXPECT_EQ(s.what, QString::fromUtf8(c.target)) << c.what;
        EXPECT_EQ(label.log, (QStringList{QStringLiteral("hourglass"), QStringLiteral("hand")})) << c.what;
        if (s.how == QLatin1String("direct"))
            continue;
        ASSERT_TRUE(s.params) << c.what;
        EXPECT_EQ(s.params->item(QStringLiteral("FUNCID")).toString(), QString::fromUtf8(c.funcId)) << c.what;
        EXPECT_EQ(s.params->item(QStringLiteral("OTHERPARAM")).toString(), QString::fromUtf8(c.otherParam))
            << c.what;
        EXPECT_EQ(s.params->item(QStringLiteral("FSubSystemID")).toString(), QString::fromUtf8(c.subSystem))
            << c.what;
        EXPECT_EQ(s.params->item(QStringLiteral("FClassName")).toString(), QString::fromUtf8(c.target))
            << c.what;
        EXPECT_EQ(s.params->contains(QStringLiteral("FNoFilter")), c.noFilter) << c.what;
        if (c.noFilter) {
            EXPECT_EQ(s.params->item(QStringLiteral("FNoFilter")), Variant(false)) << c.what;
        }
    }
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(BoardReading, AStatementMissingFromTheCatalogueSaysSoAndStartsNothing) {
    loadReportViewer();
    run(QStringLiteral("delete from t_Rpt_Content where FRptID=3001"));
    const auto board = built();
    test::RecordingPointer label;
    board->clickStatement(1, label);
    EXPECT_TRUE(launcher.starts.empty());
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text,
              QStringLiteral("所登录账套中不存在资产负债表或者用户没有权限！"));
    EXPECT_EQ(console.prompts.messages()[0].title, QStringLiteral("Quorvel提示"));
    // The other statements are still there.
    board->clickStatement(2, label);
    EXPECT_EQ(launcher.starts.size(), 1u);
}

TEST_F(BoardReading, WithoutTheReportComponentEverySlotSaysTheReportIsMissing) {
    const auto board = built();
    for (const BoardLabel& slot : board->statementSlots())
        EXPECT_TRUE(slot.tag.isEmpty()) << slot.caption.toStdString();
    EXPECT_EQ(board->reportLabels().size(), 6u);
    test::RecordingPointer label;
    board->clickStatement(0, label);
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("所登录账套中不存在现金流量表或者用户没有权限！")});
    EXPECT_TRUE(launcher.starts.empty());
}

TEST_F(BoardReading, TheCashFlowSlotWithoutItsRowDoesNothing) {
    loadReportViewer();
    run(QStringLiteral(
        "delete from t_Boss_ElementPosition where FAppType=0 and FZRKSubID=3 and FZRKIndex=5"));
    const auto board = built();
    test::RecordingPointer label;
    board->clickStatement(0, label);
    EXPECT_TRUE(launcher.starts.empty());
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(BoardReading, KeysThatNameNoSingleShownRowFindNothingAndLeaveTheSetUnfiltered) {
    const db::RecordsetPtr reports = conn->execute(kReportElementsSql);
    ASSERT_EQ(reports->recordCount(), 6);
    // Two and four parts, a row that is not shown (0|2|3) and one that does not exist.
    for (const char* key : {"0|2", "0|2|1|1", "0|2|3", "9|9|9", "0|2|x"}) {
        EXPECT_FALSE(findElement(*reports, QString::fromUtf8(key), true)) << key;
        EXPECT_TRUE(reports->filter().isEmpty()) << key;
        EXPECT_EQ(reports->recordCount(), 6) << key;
    }
    const auto found = findElement(*reports, QStringLiteral("0|4|3"), true);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->className, QStringLiteral("ReportViewer.SrvRptRetrieve"));
    EXPECT_EQ(found->params->item(QStringLiteral("FZRKCaption")).toString(), QStringLiteral("库存台账"));
    EXPECT_EQ(reports->recordCount(), 6);
}

TEST_F(BoardReading, TheRefreshSettingArmsTheCount) {
    auto board = std::make_unique<BoardPresenter>(console.ctx, BoardRoles{&launcher, {}});
    EXPECT_FALSE(board->loadRefreshSetting());
    saveUserSetting(console.ctx, QStringLiteral("ZRK"), QStringLiteral("ZRKBOSS"), QStringLiteral("REFRESH"),
                    QStringLiteral("5"));
    EXPECT_TRUE(board->loadRefreshSetting());
    EXPECT_EQ(board->refresh().refreshTime(), 300);
    saveUserSetting(console.ctx, QStringLiteral("ZRK"), QStringLiteral("ZRKBOSS"), QStringLiteral("REFRESH"),
                    QStringLiteral("0.5"));
    EXPECT_TRUE(board->loadRefreshSetting());
    EXPECT_EQ(board->refresh().refreshTime(), 30);
    saveUserSetting(console.ctx, QStringLiteral("ZRK"), QStringLiteral("ZRKBOSS"), QStringLiteral("REFRESH"),
                    QStringLiteral("abc"));
    EXPECT_FALSE(board->loadRefreshSetting());
}

} // namespace
} // namespace zrk
