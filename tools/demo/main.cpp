// zrk-demo: builds the demo account set (a complete company database) and installs it.

#include "demo_install.h"
#include "platform/error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <sqlite3.h>

namespace {

const char kUsageLine[] =
    "usage: zrk-demo [small|medium|large] [--install DIR] [--seed N] [--force] [--launch-line]";

const QString kDescription = QStringLiteral(
    "Builds the demo account set and installs it below DIR (default: $ZRK_SETTINGS_DIR/install\n"
    "when ZRK_SETTINGS_DIR is set, else ~/.local/share/Quorvel/ZRK):\n"
    "  DIR/AccountSets/demo.zrkdb      the company database (SQLite)\n"
    "  DIR/Common/ZRKBaseScheme.ini    the installation scheme (written when missing)\n"
    "  DIR/Common/AccountSets.json     the account-set catalogue\n"
    "  DIR/Common/bmp/main_boss_1.bmp  the logo of the installation's industry (written when missing)\n"
    "and records DIR as HKEY_LOCAL_MACHINE\\SOFTWARE\\QUORVEL\\ZRKPRODUCT, Path.");

int fail(const QString& text) {
    std::fprintf(stderr, "zrk-demo: %s\n", text.toUtf8().constData());
    return 1;
}

// An argument the tool does not know: the error, then how the tool is used.
int refuse(const QString& error) {
    fail(error);
    std::fprintf(stderr, "%s\n", kUsageLine);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("print this text"));
    const QCommandLineOption versionOption(QStringLiteral("version"), QStringLiteral("print the version"));
    const QCommandLineOption installOption(
        QStringLiteral("install"), QStringLiteral("install below this folder"), QStringLiteral("DIR"));
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        QStringLiteral("the data are a function of N and today's date (default 20240101)"),
        QStringLiteral("N"));
    const QCommandLineOption forceOption(
        QStringLiteral("force"), QStringLiteral("rebuild an existing demo database (else it is kept)"));
    const QCommandLineOption launchLineOption(
        QStringLiteral("launch-line"),
        QStringLiteral("print only the launch parameters that start the console "
                       "logged on to the demo account set as its owner"));
    parser.addOptions({helpOption, versionOption, installOption, seedOption, forceOption, launchLineOption});
    parser.addPositionalArgument(QStringLiteral("size"),
                                 QStringLiteral("small: a few thousand document lines, for tests (default);\n"
                                                "medium: about 100,000 document lines;\n"
                                                "large: about 1,000,000 document lines"),
                                 QStringLiteral("[small|medium|large]"));
    const bool parsed = parser.parse(app.arguments());
    if (parser.isSet(helpOption)) {
        // Qt's first line names the program by the path it was started with.
        const QString qtHelp = parser.helpText();
        std::printf("%s%s", kUsageLine, qUtf8Printable(qtHelp.mid(qtHelp.indexOf(QLatin1Char('\n')))));
        return 0;
    }
    for (const QCommandLineOption* option : {&installOption, &seedOption})
        if (parser.isSet(*option) && parser.value(*option).isEmpty())
            return fail(QStringLiteral("--%1 needs a value").arg(option->names().constFirst()));
    if (!parsed)
        return refuse(parser.errorText());
    if (parser.isSet(versionOption))
        parser.showVersion();

    zrk::demo::InstallRequest request;
    request.installDir =
        parser.isSet(installOption) ? parser.value(installOption) : zrk::demo::defaultInstallDir();
    request.force = parser.isSet(forceOption);
    const bool launchLine = parser.isSet(launchLineOption);
    if (parser.isSet(seedOption)) {
        bool ok = false;
        request.options.seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok)
            return fail(
                QStringLiteral("--seed needs a whole number, not '%1'").arg(parser.value(seedOption)));
    }
    for (const QString& word : parser.positionalArguments()) {
        const auto size = zrk::demo::parseDemoSize(word);
        if (!size)
            return refuse(QStringLiteral("unknown argument '%1'").arg(word));
        request.options.size = *size;
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
    std::printf("industry logo  %s\n", result.industryLogoFile.toUtf8().constData());
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
