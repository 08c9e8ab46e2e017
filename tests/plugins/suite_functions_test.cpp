#include "core/roles/component_roles.h"
#include "core/roles/report_list_roles.h"
#include "platform/db/connection.h"
#include "platform/vb_conversions.h"
#include "plugins/fake_console_service.h"
#include "session/session_component_host.h"
#include "support/demo_account_set.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace zrk::test {
namespace {

constexpr std::int32_t kPid = 4242;

// A console with the functions' plug-in folder and the small demo account set as its session.
struct FunctionsConsole : TestConsole {
    SessionComponentHost host{ctx};
    std::shared_ptr<FakeConsoleService> service = std::make_shared<FakeConsoleService>(ctx.components());
    QString props;

    FunctionsConsole() {
        ctx.session().processId = kPid;
        ctx.components().addPluginFolder(QStringLiteral(ZRK_FUNCTIONS_PLUGIN_DIR), host);
        props = QStringLiteral("UserName=boss;ConnectString={Provider=SQLite;Data Source=") +
                DemoInstallation::databaseFile() + QStringLiteral("};SubID=;");
        const auto store =
            queryInterface<IPropStore>(ctx.components().create(QStringLiteral("SharedProps.PropStore")));
        store->addProperty(kPid, QStringLiteral("PropsString"), props);
        store->addProperty(kPid, QStringLiteral("QVMainApp"), ObjectPtr(service));
    }
    // The opened lists go before the host their translations come from (the service outlives
    // both, published in the shared properties).
    ~FunctionsConsole() { service->forms.clear(); }
    void runFunction(const QString& progId, const QString& param, const QString& name = QString()) {
        auto dct = std::make_shared<Dictionary>(
            Dictionary{{QStringLiteral("FClassParam"), param}, {QStringLiteral("FFuncName"), name}});
        std::shared_ptr<IQVMainService> svc = service;
        queryInterface<IBizConsole>(ctx.components().create(progId))->runFunction(dct, svc);
    }
    int count(const QString& sql) {
        db::Connection c;
        c.open(QStringLiteral("Provider=SQLite;Data Source=") + DemoInstallation::databaseFile());
        return c.execute(sql)->value(0).toInt32();
    }
};

QTableView* table(const OpenedForm& form, const char* name) {
    return queryInterface<IHostedControl>(form.control)
        ->widget()
        ->findChild<QTableView*>(QLatin1String(name));
}

// Every launch parameter the seed layout and the demo favourites name, and the rows each list
// must show (counted straight from the account set).
TEST(SuiteFunctions, EveryFunctionOfTheBoardAndTheFavouritesShowsItsList) {
    FunctionsConsole console;
    const std::vector<std::tuple<QString, QString, QString>> cases = {
        {"BaseData.ItemList", "FItemClassID=1", "select count(*) from t_Organization where FDeleted=0"},
        {"BaseData.ItemList", "FItemClassID=3", "select count(*) from t_Supplier where FDeleted=0"},
        {"BaseData.ItemList", "FItemClassID=4", "select count(*) from t_ICItem where FDeleted=0"},
        {"BaseData.ItemList", "FItemClassID=7", "select count(*) from t_Department where FDeleted=0"},
        {"BaseData.AccountList", "", "select count(*) from t_Account"},
        {"PriceData.PriceList", "FPriceType=1", "select count(*) from t_ICItem where FDeleted=0"},
        {"PriceData.PriceList", "FPriceType=2", "select count(*) from t_ICItem where FDeleted=0"},
        {"BillCenter.BillList", "FTranType=81", ""},
        {"BillCenter.BillList", "FTranType=71", ""},
        {"BillCenter.BillList", "FTranType=80", ""},
        {"BillCenter.BillList", "FTranType=1000", ""},
        {"BillCenter.BillList", "FTranType=1001", ""},
        {"BillCenter.BillEdit", "FTranType=1", ""},
        {"BillCenter.BillEdit", "FTranType=21", ""},
        {"ReportViewer.SrvRptRetrieve", "FRptID=131", "select count(*) from t_Organization where FDeleted=0"},
        {"ReportViewer.SrvRptRetrieve", "FRptID=132", "select count(*) from t_Supplier where FDeleted=0"},
        {"ReportViewer.SrvRptRetrieve", "FRptID=133", "select count(*) from t_Organization where FDeleted=0"},
        {"ReportViewer.SrvRptRetrieve", "FRptID=119", ""},
        {"ReportViewer.SrvRptRetrieve", "FRptID=138", ""},
        {"ReportViewer.SrvRptRetrieve", "FRptID=171", "select count(*) from ICInventory"},
        {"ReportViewer.SrvRptRetrieve", "FRptID=112", ""},
        {"ReportViewer.SrvRptRetrieve", "FRptID=172", ""},
        {"ReportViewer.SrvRptRetrieve", "FRptID=2167", ""},
        {"ReportViewer.SrvRptRetrieve", "FRptID=5001", ""},
        {"ReportViewer.SrvRptRetrieve", "FRptID=3001", ""},
        {"ReportViewer.SrvRptRetrieve", "FRptID=3002", ""},
        {"ReportViewer.SrvRptRetrieve", "FRptID=3003", ""},
    };
    for (const auto& [progId, param, countSql] : cases) {
        SCOPED_TRACE((progId + QLatin1Char(' ') + param).toStdString());
        const std::size_t before = console.service->forms.size();
        console.runFunction(progId, param, QStringLiteral("标题"));
        ASSERT_EQ(console.service->forms.size(), before + 1);
        const OpenedForm& form = console.service->forms.back();
        EXPECT_EQ(form.ctrlProgId, QStringLiteral("SuiteViews.ListView"));
        EXPECT_EQ(form.title, QStringLiteral("标题"));
        EXPECT_EQ(form.form->caption(), QStringLiteral("标题"));
        const int rows = table(form, "list")->model()->rowCount();
        if (!countSql.isEmpty()) {
            EXPECT_EQ(rows, console.count(countSql));
        }
        EXPECT_EQ(form.form->statusString(), QStringLiteral("共 %1 行").arg(rows));
        bool hasClose = false;
        for (const BandDefinition& band : form.form->toolBar().bands)
            for (const ToolDefinition& tool : band.tools)
                hasClose = hasClose || tool.name == QLatin1String("close");
        EXPECT_TRUE(hasClose);
    }
}

// The report viewer lists the account set's report catalogue as board launch texts, and every
// report it lists opens in it.
TEST(SuiteFunctions, TheReportViewerListsTheCatalogueAndEveryReportItListsOpens) {
    FunctionsConsole console;
    const auto viewer =
        queryInterface<IReportRetrieve>(console.ctx.components().create(kReportRetrieveProgId));
    const db::RecordsetPtr reports = viewer->getRptRS();
    ASSERT_TRUE(reports);
    EXPECT_EQ(reports->recordCount(), console.count(QStringLiteral("select count(*) from t_Rpt_Content")));
    QStringList names;
    for (; !reports->eof(); reports->moveNext()) {
        const QString name = reports->value(QStringLiteral("FFuncName")).toString();
        names << name;
        EXPECT_EQ(reports->value(QStringLiteral("FClassName")).toString(), kReportRetrieveProgId);
        EXPECT_TRUE(vb::textToBool(reports->value(QStringLiteral("FFuncType")).toString()));
        const QString param = reports->value(QStringLiteral("FClassParam")).toString();
        EXPECT_EQ(param,
                  QStringLiteral("FRptID=") + reports->value(QStringLiteral("FDetailFuncID")).toString());
        const std::size_t before = console.service->forms.size();
        console.runFunction(reports->value(QStringLiteral("FClassName")).toString(), param, name);
        EXPECT_EQ(console.service->forms.size(), before + 1) << name.toStdString();
    }
    for (const char* statement :
         {"资产负债表", "利润表", "现金流量表", "资金平衡表", "收入支出总表", "收入支出表",
          "资产负债表(月报)", "资产负债表(年报)", "资产负债表(一)", "资产负债表(二)"})
        EXPECT_TRUE(names.contains(QString::fromUtf8(statement))) << statement;
}

TEST(SuiteFunctions, ASecondStartActivatesTheOpenWindow) {
    FunctionsConsole console;
    console.runFunction(QStringLiteral("BaseData.ItemList"), QStringLiteral("FItemClassID=3"));
    console.runFunction(QStringLiteral("BaseData.ItemList"), QStringLiteral("FItemClassID=3"));
    console.runFunction(QStringLiteral("BaseData.ItemList"), QStringLiteral("FItemClassID=1"));
    EXPECT_EQ(console.service->forms.size(), 2u);
}

TEST(SuiteFunctions, ADirectStartFindsTheServiceInTheSessionProperties) {
    FunctionsConsole console;
    auto dct = std::make_shared<Dictionary>(
        Dictionary{{QStringLiteral("FClassParam"), QStringLiteral("FRptID=3001")},
                   {QStringLiteral("FFuncName"), QStringLiteral("资产负债表")},
                   {QStringLiteral("ConnectString"), console.props}});
    const ObjectPtr function = console.ctx.components().create(QStringLiteral("ReportViewer.SrvRptRetrieve"));
    queryInterface<IBoardFunction>(function)->setUsedInBossRpt(true);
    queryInterface<IBoardFunction>(function)->loadAPPfunc(dct);
    ASSERT_EQ(console.service->forms.size(), 1u);
    QAbstractItemModel* model = table(console.service->forms[0], "list")->model();
    ASSERT_EQ(model->rowCount(), 8);
    EXPECT_EQ(model->data(model->index(7, 0)).toString(), QStringLiteral("负债和所有者权益合计"));
    EXPECT_EQ(model->data(model->index(7, 2)), model->data(model->index(3, 2))); // it balances
}

TEST(SuiteFunctions, BadStartsOpenNoWindow) {
    FunctionsConsole console;
    const std::vector<std::pair<QString, QString>> cases = {
        {"BaseData.ItemList", "FItemClassID=99"},
        {"PriceData.PriceList", ""},
        {"ReportViewer.SrvRptRetrieve", "FRptID=1"},
    };
    for (const auto& [progId, param] : cases) {
        try {
            console.runFunction(progId, param);
            ADD_FAILURE() << "started " << param.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), errnum::InvalidProcedureCall);
            EXPECT_TRUE(e.description().contains(QStringLiteral("功能参数无法识别")))
                << e.description().toStdString();
        }
    }
    // An account set without the chart of accounts.
    const auto store =
        queryInterface<IPropStore>(console.ctx.components().create(QStringLiteral("SharedProps.PropStore")));
    db::Connection empty;
    const QString file = console.folder() + QStringLiteral("/empty.db");
    empty.open(QStringLiteral("Provider=SQLite;Data Source=") + file, db::MissingDatabase::Create);
    empty.execute(QStringLiteral("create table t_Dummy (F int)"));
    store->addProperty(kPid, QStringLiteral("PropsString"),
                       QStringLiteral("ConnectString={Provider=SQLite;Data Source=") + file +
                           QStringLiteral("};"));
    try {
        console.runFunction(QStringLiteral("BaseData.AccountList"), QString());
        ADD_FAILURE() << "started without t_Account";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("t_Account"))) << e.description().toStdString();
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("会计科目"))) << e.description().toStdString();
    }
    EXPECT_TRUE(console.service->forms.empty());
}

TEST(SuiteFunctions, SearchingSortingAndTheLinesOfTheSelectedBill) {
    FunctionsConsole console;
    console.runFunction(QStringLiteral("BaseData.ItemList"), QStringLiteral("FItemClassID=1"));
    const OpenedForm& customers = console.service->forms.back();
    QWidget* widget = queryInterface<IHostedControl>(customers.control)->widget();
    widget->show();
    QTableView* list = table(customers, "list");
    const int all = list->model()->rowCount();
    // The last customer's number: no other number contains it (typed keys are ASCII only).
    const QString number = list->model()->data(list->model()->index(all - 1, 0)).toString();
    auto* search = widget->findChild<QLineEdit*>(QStringLiteral("search"));
    QTest::keyClicks(search, number);
    QTRY_COMPARE(list->model()->rowCount(), 1);
    EXPECT_EQ(customers.form->statusString(), QStringLiteral("显示 1 / 共 %1 行").arg(all));
    search->clear();
    QTRY_COMPARE(list->model()->rowCount(), all);
    QTest::mouseClick(list->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(list->horizontalHeader()->sectionViewportPosition(0) + 5, 5));
    QStringList numbers;
    for (int r = 0; r < all; ++r)
        numbers << list->model()->data(list->model()->index(r, 0)).toString();
    QStringList sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_TRUE(numbers == sorted || numbers == QStringList(sorted.rbegin(), sorted.rend()));

    console.runFunction(QStringLiteral("BillCenter.BillList"), QStringLiteral("FTranType=81"));
    const OpenedForm& orders = console.service->forms.back();
    QTableView* bills = table(orders, "list");
    ASSERT_GT(bills->model()->rowCount(), 0);
    bills->setCurrentIndex(bills->model()->index(0, 0));
    const QString billNo = bills->model()->data(bills->model()->index(0, 0)).toString();
    EXPECT_EQ(
        table(orders, "lines")->model()->rowCount(),
        console.count(
            QStringLiteral("select count(*) from SEOrderEntry e join SEOrder o on o.FInterID = e.FInterID "
                           "where o.FBillNo = '") +
            billNo + QStringLiteral("'")));
}

} // namespace
} // namespace zrk::test
