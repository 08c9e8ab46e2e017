// The console started on its own copy of the demo installation: a saved report setting makes the
// frame rebuild the board from the database, which then holds the new list in the new order.
#include "demo_install.h"
#include "settings/grid_clicks.h"
#include "settings/settings_dialogs.h"
#include "shell/main_frame.h"
#include "startup/console_start.h"
#include "startup/console_windows.h"
#include "suite/login_dialog.h"
#include "support/demo_account_set.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace zrk {
namespace {

class ReportRebuild : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("ZRK_SEED_FILE", ZRK_TEST_SEED_FILE);
        const QString install = console.folder() + QStringLiteral("/install");
        ASSERT_TRUE(QDir().mkpath(install + QStringLiteral("/AccountSets")));
        const QString copy = install + QStringLiteral("/AccountSets/demo.zrkdb");
        ASSERT_TRUE(QFile::copy(test::DemoInstallation::databaseFile(), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        demo::InstallRequest request;
        request.installDir = install;
        installed = demo::installDemo(request, console.settings); // keeps the copy, points at it
        ASSERT_FALSE(installed.built);
        windows = std::make_unique<ConsoleWindows>(console.ctx);
    }

    QStringList column(const QString& sql) {
        QStringList out;
        for (auto rs = console.ctx.session().companyConnection->openRecordset(sql); !rs->eof();
             rs->moveNext())
            out << rs->value(0).toString();
        return out;
    }

    // The board's report elements as it reads them, then the owner reports it lists.
    QStringList boardList() {
        return column(QStringLiteral("Select FZRKCaption from t_Boss_ElementPosition where FDetailFuncType=3 "
                                     "and FisShow='1' order by Forder")) +
               column(QStringLiteral("Select FRptName from t_Rpt_Content_Boss where FRptType=1 and "
                                     "FVisibleInList='1' order by FRptID"));
    }

    void answerLogin() {
        console.prompts.queueDialog([](QDialog& dialog) {
            auto& login = static_cast<suite::LoginDialog&>(dialog);
            login.userName()->setText(QStringLiteral("boss"));
            login.password()->setText(QStringLiteral("boss123"));
            QTest::mouseClick(login.okButton(), Qt::LeftButton);
            return login.result();
        });
    }

    test::TestConsole console;
    demo::InstallResult installed;
    std::unique_ptr<ConsoleWindows> windows;
};

TEST_F(ReportRebuild, AfterASaveTheRebuiltBoardReadsTheNewListInTheNewOrder) {
    ASSERT_EQ(startFromCommandLine(console.ctx, *windows, demo::demoLaunchLine(installed)),
              CommandLineStart::Running);
    MainFrame* frame = windows->frame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([this] { return console.ctx.board().built; }, 5000));
    const QStringList before = boardList();
    ASSERT_GE(before.size(), 2);
    IBoard* oldBoard = frame->board();

    // The owner takes every report off, then puts the first two back in the opposite order
    // and the first of the hidden ones after them.
    QStringList chosen;
    console.prompts.queueDialog([&](QDialog& dialog) {
        dialog.show();
        auto* left = dialog.findChild<QTableView*>(QStringLiteral("fpLeft"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdDeleteAll")), Qt::LeftButton);
        const int rows = left->model()->rowCount();
        for (int row : {rows - 2, rows - 2, 0}) { // the last but one twice: the last two, swapped
            chosen << left->model()->index(row, 0).data().toString();
            test::doubleClickRow(left, row);
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
        return dialog.result();
    });
    SettingsDialogs dialogs(console.ctx);
    ASSERT_TRUE(dialogs.showReportSettings(frame));
    ASSERT_EQ(chosen.size(), 3);
    EXPECT_NE(chosen, before.mid(0, 3));

    // What the board's SetReport does with a saved setting.
    answerLogin();
    frame->refreshSystem(true);
    ASSERT_TRUE(QTest::qWaitFor([this] { return console.ctx.board().built; }, 5000));
    EXPECT_NE(frame->board(), oldBoard);
    EXPECT_EQ(console.prompts.dialogTitles().size(), 2u); // the settings, then the owner's login
    EXPECT_EQ(console.ctx.session().companyConnection->connectionString(),
              QStringLiteral("Provider=SQLite;Data Source=") + installed.databaseFile);
    EXPECT_EQ(boardList(), chosen);
}

} // namespace
} // namespace zrk
