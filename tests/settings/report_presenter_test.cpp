// The report settings' presenter on a small company database: what it reads, what a save and a
// restore write, in one transaction each, and when the dialog may close.
#include "settings/message_texts.h"
#include "settings/report_settings_presenter.h"
#include "settings/small_console_tables.h"
#include "support/core_console.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

QStringList captions(const QList<ReportRow>& rows) {
    QStringList out;
    for (const ReportRow& row : rows)
        out << row.caption;
    return out;
}

class ReportPresenter : public ::testing::Test {
protected:
    void SetUp() override {
        console.ctx.texts().languageCode = 1;
        company = test::smallConsoleTables(console.dir.path());
        presenter = std::make_unique<ReportSettingsPresenter>(console.ctx, *company);
        ASSERT_TRUE(presenter->load());
    }

    QStringList left() const { return captions(presenter->lists().rows(ReportSide::Left)); }
    QStringList right() const { return captions(presenter->lists().rows(ReportSide::Right)); }
    QStringList listed() { return test::boardReportList(*company); }
    QStringList texts() const { return test::messageTexts(console.prompts); }

    test::CoreConsole console;
    db::ConnectionPtr company;
    std::unique_ptr<ReportSettingsPresenter> presenter;
    const QStringList untouched{"客户:1:1", "其他版本:1:1"};
};

TEST_F(ReportPresenter, ReadsTheHiddenAndTheShownReportsBoardElementsFirst) {
    EXPECT_EQ(left(), (QStringList{"销售毛利", "采购汇总", "O'Brien的报表"}));
    EXPECT_EQ(right(), (QStringList{"库存余额", "应收款汇总", "应收款明细表"}));
    EXPECT_EQ(presenter->lists().rows(ReportSide::Right)[0].cells(),
              (QStringList{"库存余额", "0", "5", "2", "0"}));
    EXPECT_EQ(presenter->lists().rows(ReportSide::Left)[2].cells(),
              (QStringList{"O'Brien的报表", "132", "", "", "1"}));
    EXPECT_FALSE(presenter->lists().dirty());
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(ReportPresenter, ASaveWritesTheRightListInItsOrder) {
    presenter->move(ReportSide::Right, 0); // 库存余额 out
    presenter->move(ReportSide::Left, 2);  // the owner report whose name holds a quote
    presenter->move(ReportSide::Left, 0);  // 销售毛利 last
    ASSERT_TRUE(presenter->save());
    EXPECT_EQ(listed(), (QStringList{"应收款汇总", "销售毛利", "应收款明细表", "O'Brien的报表"}));
    EXPECT_EQ(test::untouchedElements(*company), untouched);
    ASSERT_EQ(texts(), QStringList{"保存成功!"});
    EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Information);
    EXPECT_FALSE(presenter->lists().dirty());
    EXPECT_TRUE(presenter->hasSaved());
    EXPECT_FALSE(company->inTransaction());
}

TEST_F(ReportPresenter, SavingAnEmptyRightListHidesEveryReport) {
    presenter->moveAll(ReportSide::Right);
    ASSERT_TRUE(presenter->save());
    EXPECT_EQ(listed(), QStringList());
    EXPECT_EQ(test::untouchedElements(*company), untouched);
}

TEST_F(ReportPresenter, ASaveThatFailsHalfWayIsRolledBackAndKeepsTheLists) {
    presenter->moveAll(ReportSide::Left);
    company->execute(QStringLiteral("drop table t_Rpt_Content_Boss")); // the second statement fails
    const QStringList before = right();
    EXPECT_FALSE(presenter->save());
    EXPECT_EQ(test::columnTexts(*company, QStringLiteral("select FZRKCaption from t_Boss_ElementPosition "
                                                         "where FisShow='1' and FAppType=0 and "
                                                         "FDetailFuncType=3 order by Forder")),
              (QStringList{"库存余额", "应收款汇总"})); // the first statement was undone
    ASSERT_EQ(texts(), QStringList{"保存失败!"});
    EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(right(), before);
    EXPECT_TRUE(presenter->lists().dirty());
    EXPECT_FALSE(presenter->hasSaved());
    EXPECT_FALSE(company->inTransaction());
}

TEST_F(ReportPresenter, ARestoreShowsTheBackupsOrderHidesEveryOwnerReportAndCountsAsSaved) {
    presenter->move(ReportSide::Left, 0);
    console.prompts.queueAnswer(MessageAnswer::Yes);
    ASSERT_TRUE(presenter->restoreDefaults());
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    const auto& question = console.prompts.messages()[0];
    EXPECT_EQ(question.text, QStringLiteral("是否确认恢复为默认设置?"));
    EXPECT_EQ(question.title, QStringLiteral("Quorvel提示"));
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(listed(), (QStringList{"销售毛利", "应收款汇总"}));
    EXPECT_EQ(test::untouchedElements(*company), untouched);
    EXPECT_EQ(right(), (QStringList{"销售毛利", "应收款汇总"}));
    EXPECT_EQ(left(), (QStringList{"库存余额", "采购汇总", "应收款明细表", "O'Brien的报表"}));
    EXPECT_TRUE(presenter->hasSaved());
    EXPECT_FALSE(presenter->lists().dirty()); // the lists are what the database holds
}

TEST_F(ReportPresenter, ARestoreAnsweredNoChangesNothing) {
    console.prompts.queueAnswer(MessageAnswer::No);
    EXPECT_FALSE(presenter->restoreDefaults());
    EXPECT_EQ(listed(), (QStringList{"库存余额", "应收款汇总", "应收款明细表"}));
    EXPECT_FALSE(presenter->hasSaved());
}

TEST_F(ReportPresenter, ARestoreFromABackupWithoutReportElementsIsRefused) {
    company->execute(QStringLiteral("delete from t_Boss_ElementPosition_Bak"));
    console.prompts.queueAnswer(MessageAnswer::Yes);
    EXPECT_FALSE(presenter->restoreDefaults());
    EXPECT_EQ(texts(), (QStringList{"是否确认恢复为默认设置?", "默认设置中没有报表，无法恢复！"}));
    EXPECT_EQ(listed(), (QStringList{"库存余额", "应收款汇总", "应收款明细表"}));
    EXPECT_FALSE(presenter->hasSaved());
}

TEST_F(ReportPresenter, ClosingAsksOnlyAfterUnsavedMoves) {
    EXPECT_TRUE(presenter->mayClose());
    EXPECT_TRUE(console.prompts.messages().empty());

    presenter->move(ReportSide::Left, 0);
    presenter->move(ReportSide::Right, 3); // and back
    const struct {
        MessageAnswer answer;
        bool closes;
        QStringList shown;
    } cases[] = {
        {MessageAnswer::Cancel, false, {"数据已改动,是否保存?"}},
        {MessageAnswer::No, true, {"数据已改动,是否保存?"}},
        {MessageAnswer::Yes, true, {"数据已改动,是否保存?", "保存成功!"}},
    };
    for (const auto& c : cases) {
        console.prompts.clear();
        console.prompts.queueAnswer(c.answer);
        EXPECT_EQ(presenter->mayClose(), c.closes) << int(c.answer);
        EXPECT_EQ(texts(), c.shown) << int(c.answer);
        EXPECT_EQ(console.prompts.messages()[0].buttons, MessageButtons::YesNoCancel);
    }
    EXPECT_TRUE(presenter->hasSaved());
    console.prompts.clear();
    EXPECT_TRUE(presenter->mayClose()); // saved: nothing to ask
    EXPECT_TRUE(console.prompts.messages().empty());
}

TEST_F(ReportPresenter, AYesWhoseSaveFailsKeepsTheDialogOpen) {
    presenter->move(ReportSide::Left, 0);
    company->execute(QStringLiteral("drop table t_Rpt_Content_Boss"));
    console.prompts.queueAnswer(MessageAnswer::Yes);
    EXPECT_FALSE(presenter->mayClose());
    EXPECT_EQ(texts(), (QStringList{"数据已改动,是否保存?", "保存失败!"}));
    EXPECT_TRUE(presenter->lists().dirty());
}

TEST_F(ReportPresenter, ListsThatCannotBeReadAreShownAsAnErrorAndLeftEmpty) {
    company->execute(QStringLiteral("drop table t_Rpt_Content_Boss"));
    EXPECT_FALSE(presenter->load());
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_TRUE(texts()[0].contains(QStringLiteral("t_Rpt_Content_Boss"))) << texts()[0].toStdString();
    EXPECT_TRUE(left().isEmpty());
    EXPECT_TRUE(right().isEmpty());
}

} // namespace
} // namespace zrk
