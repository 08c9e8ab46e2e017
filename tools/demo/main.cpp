// zrk-demo: builds the demo account set (a complete company database) and installs it.

#include "demo_install.h"
#include "platform/error.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <sqlite3.h>

namespace {

const char kUsage[] =
    "usage: zrk-demo [small|medium|large] [--install DIR] [--seed N] [--force]\n"
    "\n"
    "Builds the demo account set and installs it below DIR (default: $ZRK_SETTINGS_DIR/install\n"
    "when ZRK_SETTINGS_DIR is set, else ~/.local/share/Quorvel/ZRK):\n"
    "  DIR/AccountSets/demo.zrkdb      the company database (SQLite)\n"
    "  DIR/Common/ZRKBaseScheme.ini    the installation scheme (written when missing)\n"
    "  DIR/Common/AccountSets.json     the account-set catalogue\n"
    "and records DIR as HKEY_LOCAL_MACHINE\\SOFTWARE\\QUORVEL\\ZRKPRODUCT, Path.\n"
    "\n"
    "  small    a few thousand document lines, for tests (default)\n"
    "  medium   about 100,000 document lines\n"
    "  large    about 1,000,000 document lines\n"
    "  --seed N the data are a function of N and today's date (default 20240101)\n"
    "  --force  rebuild an existing demo database (else it is kept)\n"
    "  --launch-line  print only the launch parameters that start the console logged on to the\n"
    "           demo account set as its owner\n";

int fail(const QString& text) {
    std::fprintf(stderr, "zrk-demo: %s\n", text.toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    zrk::demo::InstallRequest request;
    bool launchLine = false;
    request.installDir = zrk::demo::defaultInstallDir();
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (a == QLatin1String("--force")) {
            request.force = true;
        } else if (a == QLatin1String("--launch-line")) {
            launchLine = true;
        } else if (a == QLatin1String("--install") || a == QLatin1String("--seed")) {
            if (i + 1 >= args.size())
                return fail(a + QStringLiteral(" needs a value"));
            const QString value = args[++i];
            if (a == QLatin1String("--install")) {
                request.installDir = value;
            } else {
                bool ok = false;
                request.options.seed = value.toULongLong(&ok);
                if (!ok)
                    return fail(QStringLiteral("--seed needs a whole number, not '%1'").arg(value));
            }
        } else if (const auto size = zrk::demo::parseDemoSize(a)) {
            request.options.size = *size;
        } else {
            std::fputs(kUsage, stderr);
            return fail(QStringLiteral("unknown argument '%1'").arg(a));
        }
    }
    request.options.today = QDate::currentDate();

    const bool showProgress = request.options.size != zrk::demo::DemoSize::Small;
    const zrk::demo::ProgressFn progress = [showProgress](int percent) {
        if (showProgress) {
            std::fprintf(stderr, "\rzrk-demo: building %3d%%", percent);
            if (percent >= 100)
                std::fputc('\n', stderr);
            std::fflush(stderr);
        }
    };

    QElapsedTimer timer;
    timer.start();
    zrk::demo::InstallResult result;
    try {
        result = zrk::demo::installDemo(request, zrk::demo::settingsForTool(), progress);
    } catch (const zrk::Error& e) {
        return fail(e.description());
    }
    const double seconds = static_cast<double>(timer.elapsed()) / 1000.0;
    if (launchLine) {
        std::printf("%s\n", zrk::demo::demoLaunchLine(result).toUtf8().constData());
        return 0;
    }

    std::printf("installation   %s\n", request.installDir.toUtf8().constData());
    std::printf("database       %s (%s)\n", result.databaseFile.toUtf8().constData(),
                result.built ? "built" : "kept; --force rebuilds it");
    std::printf("catalogue      %s\n", result.catalogueFile.toUtf8().constData());
    std::printf("scheme         %s\n", result.schemeFile.toUtf8().constData());
    if (!result.built)
        return 0;
    std::printf("size           %s, seed %llu, %.1f s, %.1f MB\n",
                zrk::demo::demoSizeName(request.options.size),
                static_cast<unsigned long long>(request.options.seed), seconds,
                static_cast<double>(QFileInfo(result.databaseFile).size()) / 1e6);

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(result.databaseFile.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        std::int64_t lines = 0;
        for (const auto& [table, rows] : zrk::demo::countDemoRows(db)) {
            std::printf("  %-20s %10lld\n", table.c_str(), static_cast<long long>(rows));
            if (table.ends_with("Entry"))
                lines += rows;
        }
        std::printf("  %-20s %10lld\n", "(document lines)", static_cast<long long>(lines));
    }
    sqlite3_close(db);
    for (const auto& u : zrk::demo::demoUsers())
        if (!u.forbidden)
            std::printf("user           %s / %s\n", u.name, u.password);
    return 0;
}
