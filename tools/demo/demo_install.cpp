#include "demo_install.h"

#include "platform/error.h"
#include "suite/account_catalogue.h"
#include "suite/account_login.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cerrno>
#include <csignal>
#include <limits>
#include <stdexcept>
#include <sys/types.h>

namespace zrk::demo {

namespace {

constexpr int kPathError = 75;

Error installError(const QString& text) {
    return Error(kPathError, QStringLiteral("zrk-demo"), text);
}

// The demo's scheme names industry 1 (trading), so that the board shows that industry's logo. An
// industry installation shows its industry name as the product title; the name here is the
// product's own title, so the console's title is the same as without an industry.
const char kSchemeText[] = "; Installation scheme of this ZRK installation\n"
                           "[Version]\n"
                           "AppType=11\n"
                           "OEM=0\n"
                           "AppName=\n"
                           "HangYeType=0\n"
                           "\n"
                           "[industry]\n"
                           "industryID=1\n"
                           "industryName=QuorvelZRKNimbra老板报表\n"
                           "Demo=0\n";

void writeScheme(const QString& file) {
    if (QFileInfo::exists(file))
        return; // an installation's own scheme is never overwritten
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(kSchemeText) < 0 || !out.commit())
        throw installError(QStringLiteral("cannot write %1: %2").arg(file, out.errorString()));
}

// The industry's logo as the bitmap file the board reads, drawn from its SVG source (built into
// this tool) at the size the board shows it. The drawing has no text, so it needs no fonts and
// renders in a tool without a screen.
void writeIndustryLogo(const QString& file) {
    if (QFileInfo::exists(file))
        return; // an installation's own logo is never overwritten
    QSvgRenderer renderer(QStringLiteral(":/demo/main_boss_%1.svg").arg(kDemoIndustryId));
    if (!renderer.isValid())
        throw installError(QStringLiteral("the industry logo's drawing is missing from this tool"));
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || !image.save(&out, "BMP") || !out.commit())
        throw installError(QStringLiteral("cannot write %1: %2").arg(file, out.errorString()));
}

void recordInstallDir(const SettingsStore& settings, const QString& dir) {
    try {
        settings.write(Hive::LocalMachine, kInstallRegistryKey, QStringLiteral("Path"), dir);
    } catch (const Error&) {
        throw installError(
            QStringLiteral("cannot record the installation folder in the machine settings file %1 "
                           "(HKEY_LOCAL_MACHINE\\%2, value Path). Run as a user who may write it, "
                           "or set ZRK_SETTINGS_DIR to a writable folder to keep the settings there.")
                .arg(settings.filePath(Hive::LocalMachine), kInstallRegistryKey));
    }
}

// A database half built by a run that is gone ("<file>.building-<pid>", the pid no longer
// alive) is taken away; one of a run still at work is left to it.
void removeStaleBuilds(const QString& databaseFile) {
    const QFileInfo target(databaseFile);
    const QString prefix = target.fileName() + QStringLiteral(".building-");
    const QDir folder = target.absoluteDir();
    for (const QString& name : folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
        bool numeric = false;
        const qint64 pid = name.mid(prefix.size()).toLongLong(&numeric);
        if (!numeric || pid <= 0 || pid > std::numeric_limits<pid_t>::max())
            continue;
        const bool alive = kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
        if (!alive)
            QFile::remove(folder.filePath(name));
    }
}

} // namespace

QString defaultInstallDir() {
    const QString portable = qEnvironmentVariable("ZRK_SETTINGS_DIR");
    if (!portable.isEmpty())
        return QDir(portable).absoluteFilePath(QStringLiteral("install"));
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(data).absoluteFilePath(QStringLiteral("Quorvel/ZRK"));
}

SettingsStore settingsForTool() {
    const QString portable = qEnvironmentVariable("ZRK_SETTINGS_DIR");
    return portable.isEmpty() ? SettingsStore::native() : SettingsStore::portable(portable);
}

InstallResult installDemo(const InstallRequest& request, const SettingsStore& settings,
                          const ProgressFn& progress) {
    const QString dir = QDir(request.installDir).absolutePath();
    InstallResult result;
    result.schemeFile = QDir(dir).filePath(QStringLiteral("Common/ZRKBaseScheme.ini"));
    result.databaseFile = QDir(dir).filePath(QStringLiteral("AccountSets/demo.zrkdb"));
    result.catalogueFile = suite::accountCatalogueFile(dir);
    result.industryLogoFile =
        QDir(dir).filePath(QStringLiteral("Common/bmp/main_boss_%1.bmp").arg(kDemoIndustryId));

    for (const QString& sub :
         {QStringLiteral("Common"), QStringLiteral("Common/bmp"), QStringLiteral("AccountSets")})
        if (!QDir().mkpath(QDir(dir).filePath(sub)))
            throw installError(QStringLiteral("cannot create the folder %1").arg(QDir(dir).filePath(sub)));

    // The registry first: it is the step most likely to be refused, and it costs nothing.
    recordInstallDir(settings, dir);
    writeScheme(result.schemeFile);
    writeIndustryLogo(result.industryLogoFile);

    removeStaleBuilds(result.databaseFile);
    if (request.force || !QFileInfo::exists(result.databaseFile)) {
        const QString temporary =
            result.databaseFile + QStringLiteral(".building-%1").arg(QCoreApplication::applicationPid());
        try {
            buildDemoDatabase(temporary, request.options, progress);
        } catch (const std::exception& e) {
            QFile::remove(temporary);
            throw installError(
                QStringLiteral("cannot build %1: %2").arg(result.databaseFile, QString::fromUtf8(e.what())));
        }
        QFile::remove(result.databaseFile);
        if (!QFile::rename(temporary, result.databaseFile)) {
            QFile::remove(temporary);
            throw installError(QStringLiteral("cannot move the new database to %1").arg(result.databaseFile));
        }
        result.built = true;
    }

    std::vector<suite::AccountSetEntry> entries = suite::readAccountCatalogue(result.catalogueFile);
    suite::upsertAccountSet(
        entries, {kDemoAccountSetId, kDemoAccountSetName, suite::sqliteConnectString(result.databaseFile)});
    suite::writeAccountCatalogue(result.catalogueFile, entries);
    return result;
}

QString demoLaunchLine(const InstallResult& installed) {
    suite::AccountSession session;
    for (const DemoUser& user : demoUsers())
        if (QLatin1String(user.name) == QLatin1String("boss"))
            session.userId = user.id;
    session.userName = QStringLiteral("boss");
    session.accountSet = {kDemoAccountSetId, kDemoAccountSetName,
                          suite::sqliteConnectString(installed.databaseFile)};
    session.acctType = QStringLiteral("1");
    const QString props =
        suite::sessionPropsString(session, QStringLiteral("demo-launch"), suite::kLoggedOnStatus);
    return QStringLiteral("PropsString=") + QString::fromLatin1(props.toUtf8().toBase64()) + QLatin1Char(';');
}

} // namespace zrk::demo
