#include "core/roles/menu_roles.h"
#include "platform/component_registry.h"
#include "suite/report_file.h"
#include "suite/report_transfer.h"
#include "support/report_catalogue.h"
#include "support/test_console.h"

#include <QFile>
#include <QFileDialog>
#include <gtest/gtest.h>

namespace zrk::suite {
namespace {

QByteArray file(const char* body) {
    return QByteArray("ZRK-REPORTS\t1\n") + body;
}

TEST(ReportFile, ReadsDefinitionsAndSkipsBlankAndCommentLines) {
    const ReportFile parsed = parseReportFile(file(
        "# owner reports\n\n9001\t毛利日报\tse\t1\t毛利日報\tDaily gross profit\r\n9002\t库存周报\tic\t1\n"));
    ASSERT_FALSE(parsed.error.has_value());
    ASSERT_EQ(parsed.reports.size(), 2);
    EXPECT_EQ(parsed.reports[0],
              (ReportDefinition{9001, QStringLiteral("毛利日报"), QStringLiteral("se"), 1,
                                QStringLiteral("毛利日報"), QStringLiteral("Daily gross profit")}));
    EXPECT_EQ(parsed.reports[1].nameEnglish, QString());
    EXPECT_EQ(parseReportFile(writeReportFile(parsed.reports)).reports, parsed.reports);
}

TEST(ReportFile, RefusesAMalformedFileNamingTheLine) {
    struct Case {
        QByteArray contents;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"", 0, "文件是空的"},
        {" \n\n", 0, "文件是空的"},
        {"REPORTS\n9001\ta\tb\t1\n", 1, "缺少文件头“ZRK-REPORTS 1”"},
        {file("9001\ta\tb\t1\n9002\t\xC3\x28\tb\t1\n"), 3, "不是UTF-8文本"},
        {file("9001\ta\tb\t1\n\n9001\tc\td\t1\n"), 4, "报表号重复"},
        {file("9001\ta\tb\n"), 2, "应有4到6个以制表符分隔的字段"},
        {file("x\ta\tb\t1\n"), 2, "报表号不是大于0的整数"},
        {file("0\ta\tb\t1\n"), 2, "报表号不是大于0的整数"},
        {file("7\ta\tb\tone\n"), 2, "报表类型不是整数"},
        {file("7\t \tb\t1\n"), 2, "报表名称或系统名称为空"},
    };
    for (const Case& c : cases) {
        const ReportFile parsed = parseReportFile(c.contents);
        ASSERT_TRUE(parsed.error.has_value()) << c.contents.toStdString();
        EXPECT_EQ(parsed.error->line, c.line) << c.contents.toStdString();
        EXPECT_EQ(parsed.error->reason, QString::fromUtf8(c.reason)) << c.contents.toStdString();
        EXPECT_TRUE(parsed.reports.isEmpty());
    }
}

class ReportTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        company = test::companyWithReportCatalogue(console.folder());
        company->execute(
            QStringLiteral("insert into t_Rpt_Content (FRptID, FRptName, FSysName, FOwner, FRptType) "
                           "values (9001, N'旧名', N'se', 0, 1)"));
        props = QStringLiteral("ConnectString={Provider=SQLite;Data Source=") + console.folder() +
                QStringLiteral("/company.db};UserID=1;");
        transfer = queryInterface<IReportTransfer>(
            createComponent(console.ctx.components(), kReportTransferProgId, true));
    }
    QString write(const QByteArray& contents) {
        const QString path = console.folder() + QStringLiteral("/reports.zrkrpt");
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(contents);
        return path;
    }
    QStringList catalogue() {
        QStringList rows;
        const auto rs = company->execute(
            QStringLiteral("select FRptID, FRptName, FSysName from t_Rpt_Content order by FRptID"));
        for (; !rs->eof(); rs->moveNext())
            rows << QStringList{rs->value(0).toString(), rs->value(1).toString(), rs->value(2).toString()}
                        .join(QLatin1Char(' '));
        return rows;
    }
    // The next file dialog chooses the path.
    void choose(const QString& path) {
        console.prompts.queueDialog([path](QDialog& dialog) {
            static_cast<QFileDialog&>(dialog).selectFile(path);
            return static_cast<int>(QDialog::Accepted);
        });
    }

    test::TestConsole console;
    db::ConnectionPtr company;
    QString props;
    std::shared_ptr<IReportTransfer> transfer;
};

TEST_F(ReportTransferTest, ImportsTheChosenFileInOneGoAndSaysWhatChanged) {
    transfer->setVersion(1);
    EXPECT_EQ(transfer->version(), 1);
    choose(write(file("9001\t毛利日报\tse\t1\n9002\t库存周报\tic\t1\n")));
    EXPECT_TRUE(transfer->import(props, console.folder()));
    EXPECT_TRUE(transfer->hasChanged());
    EXPECT_EQ(catalogue(), (QStringList{"9001 毛利日报 se", "9002 库存周报 ic"}));
    ASSERT_EQ(console.prompts.dialogTitles().size(), 1u);
    EXPECT_EQ(console.prompts.dialogTitles()[0], QStringLiteral("报表导入"));
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text, QStringLiteral("已导入报表：新增1张，修改1张。"));

    choose(write(file("9001\t毛利日报\tse\t1\n"))); // the same again: nothing changes
    EXPECT_TRUE(transfer->import(props));
    EXPECT_FALSE(transfer->hasChanged());
}

TEST_F(ReportTransferTest, AMalformedFileIsRefusedWithItsLineAndWritesNothing) {
    choose(write(file("9003\t新报表\tse\t1\n9003\t又一张\tse\t1\n")));
    EXPECT_FALSE(transfer->import(props));
    EXPECT_FALSE(transfer->hasChanged());
    EXPECT_EQ(catalogue(), QStringList{"9001 旧名 se"});
    ASSERT_EQ(console.prompts.messages().size(), 1u);
    EXPECT_EQ(console.prompts.messages()[0].text, QStringLiteral("报表文件不能导入：第3行报表号重复。"));
    EXPECT_EQ(console.prompts.messages()[0].icon, MessageIcon::Critical);
}

TEST_F(ReportTransferTest, AFailingStatementLeavesTheCatalogueAsItWas) {
    // The second report's name is taken: its insert fails after the first one's succeeded.
    const QList<ReportDefinition> reports{{9004, QStringLiteral("甲"), QStringLiteral("se"), 1, {}, {}},
                                          {9005, QStringLiteral("旧名"), QStringLiteral("se"), 1, {}, {}}};
    company->execute(QStringLiteral("create unique index ux_report_name on t_Rpt_Content (FRptName)"));
    EXPECT_THROW(importReportDefinitions(*company, reports), Error);
    EXPECT_EQ(catalogue(), QStringList{"9001 旧名 se"});
    EXPECT_FALSE(company->inTransaction());
}

TEST_F(ReportTransferTest, ACancelledDialogImportsNothing) {
    EXPECT_FALSE(transfer->import(props));
    EXPECT_FALSE(transfer->hasChanged());
    EXPECT_TRUE(console.prompts.messages().empty());
}

} // namespace
} // namespace zrk::suite
