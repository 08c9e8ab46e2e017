#include "core/roles/menu_roles.h"
#include "platform/component_registry.h"
#include "suite/about_box.h"
#include "suite/favourites_dialog.h"
#include "suite/favourites_store.h"
#include "support/report_catalogue.h"
#include "support/test_console.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zrk::suite {
namespace {

class FavouritesTest : public ::testing::Test {
protected:
    void SetUp() override {
        company = test::companyWithReportCatalogue(console.folder());
        company->execute(QStringLiteral(
            "create table t_UserMenuStore (FInnerID int not null primary key, FUserID int not null,"
            " FDetailFuncType smallint not null, FZRKSubID int not null default 0, FZRKIndex int not null "
            "default 0,"
            " FShowCaption nvarchar(255) not null, FDoFuncMnuParam nvarchar(512) not null,"
            " FClickCount int not null default 0, ForderIndex int not null default 0)"));
        company->execute(QStringLiteral(
            "insert into t_UserMenuStore (FInnerID, FUserID, FDetailFuncType, FShowCaption, FDoFuncMnuParam, "
            "ForderIndex, FClickCount) values (1, 7, 1, N'甲', N'a;A.B;se;p;甲;False', 1, 5),"
            " (2, 7, 1, N'乙', N'b;A.B;se;p;乙;False', 2, 0), (3, 7, 3, N'丙', N'c;R.V;ic;p;丙;True', 1, 0),"
            " (4, 8, 1, N'别人', N'd;A.B;se;p;d;False', 1, 0)"));
        company->execute(
            QStringLiteral("insert into t_Rpt_Content (FRptID, FRptName, FSysName, FOwner, FRptType) "
                           "values (171, N'库存台账', N'ic', 0, 1), (172, N'私有', N'ic', 0, 2)"));
    }
    QStringList rows() {
        QStringList result;
        const auto rs =
            company->execute(QStringLiteral("select FInnerID, FUserID, FDetailFuncType, FShowCaption, "
                                            "ForderIndex, FClickCount from t_UserMenuStore "
                                            "order by FInnerID"));
        for (; !rs->eof(); rs->moveNext()) {
            QStringList fields;
            for (int i = 0; i < 6; ++i)
                fields << rs->value(i).toString();
            result << fields.join(QLatin1Char(' '));
        }
        return result;
    }
    DictionaryPtr params() {
        auto p = std::make_shared<Dictionary>();
        p->set(QStringLiteral("CnnStr"), QStringLiteral("Provider=SQLite;Data Source=") + console.folder() +
                                             QStringLiteral("/company.db"));
        p->set(QStringLiteral("UserID"), QStringLiteral("7"));
        p->set(QStringLiteral("AcctName"), QStringLiteral("演示账套"));
        p->set(QStringLiteral("AcctID"), QStringLiteral("/x/abc.dat"));
        return p;
    }

    test::TestConsole console;
    db::ConnectionPtr company;
};

TEST_F(FavouritesTest, TheStoreEditsTheUsersListsAndSavesThemInOrder) {
    FavouritesStore store(*company, 7);
    store.load();
    ASSERT_EQ(store.ofType(1).size(), 2);
    EXPECT_TRUE(store.ofType(2).isEmpty());
    EXPECT_FALSE(store.remove(2, 0));
    EXPECT_FALSE(store.move(1, 1, 1));
    EXPECT_FALSE(store.rename(1, 0, QStringLiteral("  ")));
    EXPECT_FALSE(store.changed());

    EXPECT_TRUE(store.move(1, 1, -1));
    EXPECT_TRUE(store.rename(1, 1, QStringLiteral(" 甲单 ")));
    EXPECT_TRUE(store.remove(3, 0));
    const auto offered = offeredFunctions(*company, 3);
    ASSERT_EQ(offered.size(), 1); // the catalogue's report of type 1
    EXPECT_EQ(offered[0].launchText,
              QStringLiteral("171;ReportViewer.SrvRptRetrieve;ic;FRptID=171;库存台账;True"));
    EXPECT_TRUE(store.add(3, offered[0]));
    EXPECT_TRUE(store.changed());
    store.save();
    EXPECT_FALSE(store.changed());
    EXPECT_EQ(rows(),
              (QStringList{"1 7 1 甲单 2 5", "2 7 1 乙 1 0", "4 8 1 别人 1 0", "5 7 3 库存台账 1 0"}));
}

TEST_F(FavouritesTest, TheBillsOfferedCarryMenuLaunchTexts) {
    const auto bills = offeredFunctions(*company, 1);
    ASSERT_FALSE(bills.isEmpty());
    EXPECT_EQ(bills[0].caption, QStringLiteral("销售订单"));
    EXPECT_EQ(bills[0].launchText, QStringLiteral("81;BillCenter.BillEdit;se;FTranType=81;销售订单;False"));
    for (const auto& journal : offeredFunctions(*company, 2))
        EXPECT_EQ(journal.launchText.split(QLatin1Char(';')).size(), 6);
}

TEST_F(FavouritesTest, TheEditorDialogRemovesAndAddsAndTheAnswerSaysItChanged) {
    console.prompts.queueDialog([](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstFavourites"));
        EXPECT_EQ(list->count(), 2);
        list->setCurrentRow(0);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdRemove")), Qt::LeftButton);
        EXPECT_EQ(list->count(), 1);
        dialog.findChild<QComboBox*>(QStringLiteral("cboType"))->setCurrentIndex(2);
        dialog.findChild<QComboBox*>(QStringLiteral("cboOffered"))->setCurrentIndex(0);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdAdd")), Qt::LeftButton);
        EXPECT_EQ(list->count(), 2);
        dialog.findChild<QLineEdit*>(QStringLiteral("txtCaption"))->setText(QStringLiteral("台账"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdRename")), Qt::LeftButton);
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("台账"));
        return static_cast<int>(QDialog::Accepted);
    });
    auto editor =
        queryInterface<IMenuStore>(createComponent(console.ctx.components(), kMenuStoreProgId, true));
    DictionaryPtr p = params();
    const DictionaryPtr answer = editor->showSetting(p);
    EXPECT_TRUE(answer->value(QStringLiteral("isSetting"), false).toBool());
    EXPECT_EQ(console.prompts.dialogTitles(), std::vector<QString>{QStringLiteral("收藏夹定制")});
    EXPECT_EQ(rows(), (QStringList{"2 7 1 乙 1 0", "3 7 3 丙 1 0", "4 8 1 别人 1 0", "5 7 3 台账 2 0"}));
}

TEST_F(FavouritesTest, ClosingTheEditorOrAnUnreachableDatabaseChangesNothing) {
    auto editor =
        queryInterface<IMenuStore>(createComponent(console.ctx.components(), kMenuStoreProgId, true));
    DictionaryPtr p = params();
    console.prompts.queueDialog([](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstFavourites"));
        list->setCurrentRow(0);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdRemove")), Qt::LeftButton);
        return static_cast<int>(QDialog::Rejected);
    });
    EXPECT_FALSE(editor->showSetting(p)->value(QStringLiteral("isSetting"), true).toBool());
    EXPECT_EQ(rows().size(), 4);

    p->set(QStringLiteral("CnnStr"), QStringLiteral("Provider=SQLite;Data Source=") + console.folder() +
                                         QStringLiteral("/missing/none.db"));
    EXPECT_FALSE(editor->showSetting(p)->value(QStringLiteral("isSetting"), true).toBool());
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_TRUE(console.prompts.messages()[0].text.startsWith(QStringLiteral("收藏夹没有保存：")));
}

TEST(AboutBox, ShowsTheProductTheToolkitAndTheLicences) {
    test::TestConsole console;
    Dictionary application{{QStringLiteral("Title"), QStringLiteral("QuorvelZRKNimbra老板报表")},
                           {QStringLiteral("Edition"), QStringLiteral("标准版")},
                           {QStringLiteral("Version"), QStringLiteral("2.1.0")}};
    const QStringList lines = aboutLines(application, SuiteTexts());
    EXPECT_EQ(lines[0], QStringLiteral("QuorvelZRKNimbra老板报表"));
    EXPECT_EQ(lines[1], QStringLiteral("标准版"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("版本 2.1.0，构建于 ")));
    EXPECT_EQ(lines[3], QStringLiteral("界面工具包 Qt ") + QString::fromLatin1(qVersion()));
    EXPECT_TRUE(lines.filter(QStringLiteral("LGPL-3.0")).size() == 1);

    QStringList shown;
    console.prompts.queueDialog([&shown](QDialog& dialog) {
        for (QLabel* label : dialog.findChildren<QLabel*>())
            shown << label->text();
        return static_cast<int>(QDialog::Accepted);
    });
    queryInterface<IAboutBox>(createComponent(console.ctx.components(), kAboutBoxProgId, true))
        ->show(std::make_shared<Dictionary>(application));
    EXPECT_EQ(shown, lines);
    EXPECT_EQ(console.prompts.dialogTitles(),
              std::vector<QString>{QStringLiteral("关于 QuorvelZRKNimbra老板报表")});
}

} // namespace
} // namespace zrk::suite
