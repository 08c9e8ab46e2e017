// The report settings dialog driven through its widgets on a copy of the demo account set.
#include "settings/demo_copy.h"
#include "settings/grid_clicks.h"
#include "settings/report_settings_dialog.h"
#include "settings/settings_dialogs.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>

namespace zrk {
namespace {

using test::captions;
using test::clickRow;
using test::doubleClickRow;

const QString kHiddenElements = QStringLiteral(
    "Select FZRKCaption from t_Boss_ElementPosition where FAppType=0 and FDetailFuncType=3 and FisShow='0' "
    "order by FAppType,FZRKSubID,Forder");
const QString kShownElements = QStringLiteral(
    "Select FZRKCaption from t_Boss_ElementPosition where FAppType=0 and FDetailFuncType=3 and FisShow='1' "
    "order by FAppType,FZRKSubID,Forder");
// What the board reads: its shown report elements by display order.
const QString kBoardElements = QStringLiteral(
    "Select FZRKCaption from t_Boss_ElementPosition where FDetailFuncType=3 and FisShow='1' order by Forder");
const QString kHiddenOwnerReports =
    QStringLiteral("Select FRptName from t_Rpt_Content_Boss where FRptType=1 and FVisibleInList='0'");
const QString kShownOwnerReports =
    QStringLiteral("Select FRptName from t_Rpt_Content_Boss where FRptType=1 and FVisibleInList='1'");

QTableView* grid(QDialog& dialog, const char* name) {
    return dialog.findChild<QTableView*>(QLatin1String(name));
}

void click(QDialog& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

// Types the text key by key (the names are Chinese, which the test library's key tables lack).
void type(QWidget* box, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList reversed(QStringList list) {
    std::reverse(list.begin(), list.end());
    return list;
}

class ReportDialog : public test::DemoCopy {
protected:
    void SetUp() override {
        DemoCopy::SetUp();
        shownBefore = column(kShownElements) + column(kShownOwnerReports);
        hiddenBefore = column(kHiddenElements) + column(kHiddenOwnerReports);
    }

    // Opens the dialog through the settings dialogs' role, shown, and runs the steps in it.
    bool run(const std::function<void(QDialog&)>& steps) {
        console.prompts.queueDialog([&](QDialog& dialog) {
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            steps(dialog);
            return dialog.result();
        });
        SettingsDialogs dialogs(console.ctx);
        return dialogs.showReportSettings(nullptr);
    }

    QStringList shownBefore;
    QStringList hiddenBefore;
};

TEST_F(ReportDialog, OpensWithTheHiddenReportsLeftAndTheShownRightByName) {
    ASSERT_GE(hiddenBefore.size(), 3);
    ASSERT_GE(column(kShownElements).size(), 2);
    EXPECT_FALSE(run([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("报表设置"));
        for (const char* name : {"fpLeft", "fpRight"}) {
            QTableView* view = grid(dialog, name);
            EXPECT_EQ(view->model()->columnCount(), 5);
            EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("报表名称"));
            EXPECT_FALSE(view->isColumnHidden(0));
            for (int column = 1; column < 5; ++column)
                EXPECT_TRUE(view->isColumnHidden(column)) << name << column;
        }
        EXPECT_EQ(captions(grid(dialog, "fpLeft")), hiddenBefore);
        EXPECT_EQ(captions(grid(dialog, "fpRight")), shownBefore);
        // The search boxes' accelerators.
        QStringList accelerators;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->buddy())
                accelerators << label->text() + QLatin1Char('>') + label->buddy()->objectName();
        accelerators.sort();
        EXPECT_EQ(accelerators, (QStringList{"查找(&V)：>txtLeft", "查找(&X)：>txtRight"}));
        click(dialog, "cmdExit");
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_TRUE(console.prompts.messages().empty()); // nothing moved: closing asks nothing
    EXPECT_EQ(console.prompts.dialogTitles(), std::vector<QString>{QStringLiteral("报表设置")});
}

TEST_F(ReportDialog, MovesByButtonsAndDoubleClicksAndSavesTheRightGridInItsOrder) {
    const QStringList shownElements = column(kShownElements);
    const QStringList hiddenOwnerReports = column(kHiddenOwnerReports);
    ASSERT_GE(shownElements.size(), 2);
    ASSERT_GE(hiddenOwnerReports.size(), 1);
    const qsizetype n = shownElements.size();
    EXPECT_TRUE(run([&](QDialog& dialog) {
        QTableView* left = grid(dialog, "fpLeft");
        QTableView* right = grid(dialog, "fpRight");
        click(dialog, "cmdDeleteAll"); // from the last row up: they arrive reversed
        EXPECT_EQ(captions(left), hiddenBefore + reversed(shownBefore));
        EXPECT_TRUE(captions(right).isEmpty());

        const int first = static_cast<int>(hiddenBefore.size()); // where the reversed rows begin
        doubleClickRow(left, first + 1);                         // the last but one shown element
        clickRow(left, first);                                   // the last shown element, with cmdAdd
        click(dialog, "cmdAdd");
        doubleClickRow(left, static_cast<int>(hiddenBefore.size()) - 1); // the last owner report
        EXPECT_EQ(captions(right),
                  (QStringList{shownElements[n - 2], shownElements[n - 1], hiddenOwnerReports.back()}));
        clickRow(right, 2);
        click(dialog, "cmdDelete");
        doubleClickRow(left, static_cast<int>(captions(left).size()) - 1); // and back again
        click(dialog, "cmdOK");
        EXPECT_EQ(console.prompts.messages().back().text, QStringLiteral("保存成功!"));
        click(dialog, "cmdExit");
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_EQ(column(kBoardElements), (QStringList{shownElements[n - 2], shownElements[n - 1]}));
    EXPECT_EQ(column(kShownOwnerReports), QStringList{hiddenOwnerReports.back()});
    EXPECT_EQ(messageTexts(), QStringList{"保存成功!"}); // saved: the close asked nothing
}

TEST_F(ReportDialog, AddingAllAppendsTheLeftRowsFromTheLastUp) {
    EXPECT_FALSE(run([&](QDialog& dialog) {
        click(dialog, "cmdAddAll");
        EXPECT_EQ(captions(grid(dialog, "fpRight")), shownBefore + reversed(hiddenBefore));
        EXPECT_TRUE(captions(grid(dialog, "fpLeft")).isEmpty());
        console.prompts.queueAnswer(MessageAnswer::No);
        click(dialog, "cmdExit");
    }));
    EXPECT_EQ(column(kShownElements) + column(kShownOwnerReports), shownBefore); // not saved
}

TEST_F(ReportDialog, MovingARowAndBackStillAsksWhenClosing) {
    EXPECT_FALSE(run([&](QDialog& dialog) {
        QTableView* left = grid(dialog, "fpLeft");
        QTableView* right = grid(dialog, "fpRight");
        doubleClickRow(left, 0);
        doubleClickRow(right, static_cast<int>(captions(right).size()) - 1);
        EXPECT_EQ(captions(right), shownBefore);
        console.prompts.queueAnswer(MessageAnswer::Cancel);
        click(dialog, "cmdExit");
        EXPECT_TRUE(dialog.isVisible()); // cancel keeps it open
        console.prompts.queueAnswer(MessageAnswer::No);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_EQ(messageTexts(), (QStringList{"数据已改动,是否保存?", "数据已改动,是否保存?"}));
    EXPECT_EQ(console.prompts.messages()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(column(kShownElements) + column(kShownOwnerReports), shownBefore);
}

TEST_F(ReportDialog, ARestoreShowsTheBackupInItsOrderAndCountsAsSavedWithoutASave) {
    company->execute(QStringLiteral("update t_Rpt_Content_Boss set FVisibleInList='1'"));
    const QStringList defaults = column(QStringLiteral(
        "Select FZRKCaption from t_Boss_ElementPosition_BAK where FAppType=0 and FDetailFuncType=3 and "
        "FisShow='1' order by Forder"));
    ASSERT_FALSE(defaults.isEmpty());
    EXPECT_TRUE(run([&](QDialog& dialog) {
        click(dialog, "cmdDeleteAll");
        console.prompts.queueAnswer(MessageAnswer::Yes);
        click(dialog, "cmdReset");
        EXPECT_EQ(
            captions(grid(dialog, "fpRight")),
            column(QStringLiteral(
                "Select FZRKCaption from t_Boss_ElementPosition where FAppType=0 and FDetailFuncType=3 and "
                "FisShow='1' order by FAppType,FZRKSubID,Forder")));
        click(dialog, "cmdExit"); // the grids are what the database holds: nothing to ask
    }));
    EXPECT_EQ(column(kBoardElements), defaults);
    EXPECT_TRUE(column(kShownOwnerReports).isEmpty());
    EXPECT_EQ(messageTexts(), QStringList{"是否确认恢复为默认设置?"});
}

TEST_F(ReportDialog, TheSearchBoxesMakeTheFirstMatchTheActiveRow) {
    run([&](QDialog& dialog) {
        QTableView* left = grid(dialog, "fpLeft");
        auto* search = dialog.findChild<QLineEdit*>(QStringLiteral("txtLeft"));
        const QStringList rows = captions(left);
        const QString wanted = rows.back().right(2);
        const int expected = static_cast<int>(rows.indexOf(
            *std::find_if(rows.begin(), rows.end(), [&](const QString& c) { return c.contains(wanted); })));
        type(search, QStringLiteral(" ") + wanted);
        EXPECT_EQ(left->currentIndex().row(), expected);
        type(search, QStringLiteral("不会有的名字"));
        EXPECT_EQ(left->currentIndex().row(), expected); // no match: nothing changes

        QTableView* right = grid(dialog, "fpRight");
        const QStringList shown = captions(right);
        type(dialog.findChild<QLineEdit*>(QStringLiteral("txtRight")), shown.back());
        EXPECT_EQ(right->currentIndex().row(), static_cast<int>(shown.indexOf(shown.back())));
        click(dialog, "cmdExit");
    });
}

TEST_F(ReportDialog, ASaveWhileAnotherProgramHoldsTheDatabaseRollsBackAndKeepsTheGrids) {
    db::Connection other;
    other.open(connectString);
    other.beginTrans(); // another program's write lock
    other.execute(QStringLiteral("update t_Boss_SubFunction set FCaption=FCaption"));
    EXPECT_FALSE(run([&](QDialog& dialog) {
        doubleClickRow(grid(dialog, "fpLeft"), 0);
        const QStringList left = captions(grid(dialog, "fpLeft"));
        const QStringList right = captions(grid(dialog, "fpRight"));
        click(dialog, "cmdOK");
        EXPECT_EQ(messageTexts(), QStringList{"保存失败!"});
        EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Critical);
        EXPECT_EQ(captions(grid(dialog, "fpLeft")), left);
        EXPECT_EQ(captions(grid(dialog, "fpRight")), right);
        other.rollbackTrans();
        console.prompts.queueAnswer(MessageAnswer::No);
        click(dialog, "cmdExit"); // still unsaved
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_EQ(messageTexts(), (QStringList{"保存失败!", "数据已改动,是否保存?"}));
    EXPECT_EQ(column(kShownElements) + column(kShownOwnerReports), shownBefore);
    EXPECT_FALSE(company->inTransaction());
}

TEST(ReportSettingsWithoutSession, SaysThatThereIsNoCompanyConnection) {
    test::TestConsole console;
    SettingsDialogs dialogs(console.ctx);
    EXPECT_FALSE(dialogs.showReportSettings(nullptr));
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text,
              QStringLiteral("Object variable or With block variable not set"));
    EXPECT_TRUE(console.prompts.dialogTitles().empty());
}

} // namespace
} // namespace zrk
