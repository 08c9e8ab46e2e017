// The summary grids' refresh (the refresh timer's work) and the first analysis on a demo account
// set, through the report components as the board's panel asks them: the median milliseconds of
// each routine and of the whole refresh. Usage: analysis_refresh_bench <demo.zrkdb> [repetitions]
#include "analysis/analysis_presenter.h"
#include "core/console_context.h"
#include "core/roles/component_roles.h"
#include "platform/scripted_messages.h"
#include "reports/report_components.h"
#include "session/session_properties.h"
#include "suite/data_components.h"
#include "suite/prop_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

using namespace zrk;

class NoWindows : public WindowFinder {
public:
    std::optional<unsigned long> findTopLevel(const QString&) override { return std::nullopt; }
    bool postClose(unsigned long) override { return false; }
};

double medianMs(const std::function<void()>& run, int repetitions) {
    std::vector<double> runs;
    for (int r = 0; r < repetitions; ++r) {
        QElapsedTimer t;
        t.start();
        run();
        runs.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    const std::size_t n = runs.size();
    return n % 2 ? runs[n / 2] : (runs[n / 2 - 1] + runs[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: analysis_refresh_bench <demo.zrkdb> [repetitions]\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    QTemporaryDir dir;
    ScriptedMessages prompts;
    NoWindows windows;
    ConsoleContext ctx(SettingsStore::portable(dir.path()), prompts, windows);
    ctx.texts().languageCode = 1;
    const QString connect = QStringLiteral("Provider=SQLite;Data Source=") + file;
    auto connection = std::make_shared<db::Connection>();
    connection->open(connect);
    ctx.session().companyConnection = connection;
    // The suite's own property store, holding the session's properties of this one process.
    auto sets = std::make_shared<suite::PropStore::Sets>();
    ctx.components().add(kPropStoreProgId, [sets] { return std::make_shared<suite::PropStore>(sets); });
    queryInterface<IPropStore>(ctx.components().create(kPropStoreProgId))
        ->addProperty(ctx.session().processId, QStringLiteral("PropsString"),
                      QStringLiteral("ConnectString={%1};").arg(connect));
    suite::registerDataComponents(ctx.components());
    reports::registerReportComponents(ctx);

    analysis::AnalysisPresenter presenter(ctx);
    const struct {
        const char* name;
        std::function<void()> run;
    } parts[] = {
        {"receivables and payables (131, 132)", [&] { presenter.refreshArApSummary(); }},
        {"purchase orders (119)", [&] { presenter.refreshPurchaseOrders(false); }},
        {"sales orders (138)", [&] { presenter.refreshSalesOrders(false); }},
        {"stock movement (171)", [&] { presenter.refreshTodayStock(); }},
        {"summaries refreshed", [&] { presenter.refreshSummaries(); }},
        {"first analysis (sales profit, today)", [&] { presenter.clickTab(0); }},
    };
    presenter.refreshSummaries(); // the first run opens the engine's caches
    for (const auto& part : parts)
        std::printf("%-40s %8.1f ms\n", part.name, medianMs(part.run, repetitions));
    for (const auto& m : prompts.messages())
        std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
    return prompts.messages().empty() ? 0 : 1;
}
