#include "demo_install.h"
#include "platform/error.h"
#include "platform/private_profile.h"
#include "suite/account_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zrk::demo {
namespace {

const QDate kToday(2025, 3, 31);

InstallRequest requestFor(const QString& dir, std::uint64_t seed = 1, bool force = false) {
    return {{DemoSize::Small, seed, kToday}, dir, force};
}

QByteArray contentOf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(DemoInstall, LaysOutTheInstallationAndRecordsIt) {
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("inst"));
    const SettingsStore settings = SettingsStore::portable(tmp.filePath(QStringLiteral("settings")));
    const InstallResult r = installDemo(requestFor(dir), settings);

    EXPECT_TRUE(r.built);
    EXPECT_EQ(r.databaseFile, QDir(dir).filePath(QStringLiteral("AccountSets/demo.zrkdb")));
    EXPECT_TRUE(QFileInfo(r.databaseFile).size() > 0);
    EXPECT_EQ(settings.read(Hive::LocalMachine, QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT"),
                            QStringLiteral("Path")),
              Variant(QDir(dir).absolutePath()));

    const QString scheme = QDir(dir).filePath(QStringLiteral("Common/ZRKBaseScheme.ini"));
    EXPECT_EQ(r.schemeFile, scheme);
    struct Key {
        const char* section;
        const char* key;
        const char* value;
    };
    for (const Key& k :
         {Key{"Version", "AppType", "11"}, Key{"Version", "OEM", "0"}, Key{"industry", "industryID", "1"},
          Key{"industry", "industryName", "QuorvelZRKNimbra老板报表"}, Key{"Version", "HangYeType", "0"}})
        EXPECT_EQ(readProfileString(scheme, k.section, k.key, QStringLiteral("missing")),
                  QString::fromUtf8(k.value))
            << k.key;

    // The industry's logo, where the board looks for it, at the size the board shows it: the
    // emblem's white disc on the left, the strip's blue at the right edge.
    EXPECT_EQ(r.industryLogoFile, QDir(dir).filePath(QStringLiteral("Common/bmp/main_boss_1.bmp")));
    const QImage logo(r.industryLogoFile, "BMP");
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(392, 62));
    EXPECT_EQ(logo.pixelColor(35, 31), QColor(Qt::white));
    const QColor edge = logo.pixelColor(391, 30);
    EXPECT_GT(edge.blue(), edge.red() + 80);

    const auto entries = suite::readAccountCatalogue(suite::accountCatalogueFile(dir));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].id, kDemoAccountSetId);
    EXPECT_EQ(entries[0].name, kDemoAccountSetName);
    EXPECT_EQ(entries[0].connectString, QStringLiteral("Provider=SQLite;Data Source=") + r.databaseFile);
    // No building leftovers.
    EXPECT_EQ(QDir(QDir(dir).filePath(QStringLiteral("AccountSets"))).entryList(QDir::Files),
              QStringList{QStringLiteral("demo.zrkdb")});
}

TEST(DemoInstall, KeepsAnExistingDatabaseUnlessForced) {
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("inst"));
    const SettingsStore settings = SettingsStore::portable(tmp.filePath(QStringLiteral("settings")));
    const InstallResult first = installDemo(requestFor(dir, 1), settings);
    const QByteArray original = contentOf(first.databaseFile);

    // Another account set in the catalogue and an installation's own scheme and logo survive a re-run.
    auto entries = suite::readAccountCatalogue(first.catalogueFile);
    entries.push_back(
        {9, QStringLiteral("其他账套"), QStringLiteral("Provider=SQLite;Data Source=/x/other.zrkdb")});
    suite::writeAccountCatalogue(first.catalogueFile, entries);
    {
        QFile scheme(first.schemeFile);
        ASSERT_TRUE(scheme.open(QIODevice::WriteOnly));
        scheme.write("[Version]\nAppType=2\n");
        QFile logo(first.industryLogoFile);
        ASSERT_TRUE(logo.open(QIODevice::WriteOnly));
        logo.write("own logo");
    }

    const InstallResult kept = installDemo(requestFor(dir, 2), settings);
    EXPECT_FALSE(kept.built);
    EXPECT_EQ(contentOf(kept.databaseFile), original);

    const InstallResult rebuilt = installDemo(requestFor(dir, 2, true), settings);
    EXPECT_TRUE(rebuilt.built);
    EXPECT_NE(contentOf(rebuilt.databaseFile), original);

    EXPECT_EQ(
        readProfileString(first.schemeFile, QStringLiteral("Version"), QStringLiteral("AppType"), QString()),
        QStringLiteral("2"));
    EXPECT_EQ(contentOf(first.industryLogoFile), QByteArray("own logo"));
    const auto after = suite::readAccountCatalogue(first.catalogueFile);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].id, kDemoAccountSetId);
    EXPECT_EQ(after[1].id, 9);
}

// A run killed while it built the database left its half-built file behind; the next run takes
// it away, and leaves alone the one of a run that is still at work.
TEST(DemoInstall, RemovesWhatKilledRunsLeftHalfBuilt) {
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("inst"));
    const SettingsStore settings = SettingsStore::portable(tmp.filePath(QStringLiteral("settings")));
    const InstallResult first = installDemo(requestFor(dir), settings);

    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted(5000));
    const qint64 gone = ended.processId();
    ASSERT_TRUE(ended.waitForFinished(5000));
    const QString stale = first.databaseFile + QStringLiteral(".building-%1").arg(gone);
    const QString working =
        first.databaseFile + QStringLiteral(".building-%1").arg(QCoreApplication::applicationPid());
    const QString foreign = first.databaseFile + QStringLiteral(".building-notes");
    for (const QString& file : {stale, working, foreign}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("half");
    }

    const InstallResult again = installDemo(requestFor(dir), settings);
    EXPECT_FALSE(again.built);
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(working));
    EXPECT_TRUE(QFile::exists(foreign));
}

TEST(DemoInstall, SaysHowToGoOnWhenTheMachineSettingsCannotBeWritten) {
    QTemporaryDir tmp;
    // A plain file where the settings folder should be: nothing can be written below it.
    const QString blocker = tmp.filePath(QStringLiteral("blocker"));
    {
        QFile f(blocker);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString dir = tmp.filePath(QStringLiteral("inst"));
    try {
        installDemo(requestFor(dir), SettingsStore::portable(blocker));
        FAIL() << "installed without a registry";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("ZRK_SETTINGS_DIR")))
            << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(blocker)) << e.description().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(QDir(dir).filePath(QStringLiteral("AccountSets/demo.zrkdb"))));
}

class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char* name)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}
    ~EnvironmentGuard() {
        if (had_)
            qputenv(name_, value_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray value_;
};

TEST(DemoInstall, DefaultFolderFollowsThePortableSettingsOrTheDataHome) {
    EnvironmentGuard portable("ZRK_SETTINGS_DIR"), data("XDG_DATA_HOME");
    qputenv("ZRK_SETTINGS_DIR", "/tmp/zrk-portable");
    qputenv("XDG_DATA_HOME", "/tmp/zrk-data");
    EXPECT_EQ(defaultInstallDir(), QStringLiteral("/tmp/zrk-portable/install"));
    EXPECT_EQ(settingsForTool().filePath(Hive::LocalMachine),
              QStringLiteral("/tmp/zrk-portable/machine.ini"));
    qunsetenv("ZRK_SETTINGS_DIR");
    EXPECT_EQ(defaultInstallDir(), QStringLiteral("/tmp/zrk-data/Quorvel/ZRK"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(defaultInstallDir(), QDir::homePath() + QStringLiteral("/.local/share/Quorvel/ZRK"));
}

// The tool itself, as a user runs it.
TEST(DemoTool, InstallsAndRefusesBadArguments) {
    QTemporaryDir tmp;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZRK_SETTINGS_DIR"), tmp.filePath(QStringLiteral("settings")));
    struct Run {
        QStringList args;
        int exitCode;
        const char* output; // expected in stdout or stderr
    };
    const Run runs[] = {
        {{QStringLiteral("small"), QStringLiteral("--seed"), QStringLiteral("3")}, 0, "(built)"},
        {{QStringLiteral("small")}, 0, "(kept; --force rebuilds it)"},
        {{QStringLiteral("small"), QStringLiteral("--force"), QStringLiteral("--install"),
          tmp.filePath(QStringLiteral("b"))},
         0,
         "ICStockBillEntry"},
        {{QStringLiteral("huge")}, 1, "unknown argument 'huge'"},
        {{QStringLiteral("--seed"), QStringLiteral("x")}, 1, "--seed needs a whole number"},
        {{QStringLiteral("--install")}, 1, "--install needs a value"},
        {{QStringLiteral("--help")}, 0, "usage: zrk-demo"},
    };
    for (const Run& r : runs) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZRK_DEMO_TOOL), r.args);
        ASSERT_TRUE(p.waitForFinished(60000)) << r.args.join(' ').toStdString();
        const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), r.exitCode) << r.args.join(' ').toStdString() << "\n" << out.toStdString();
        EXPECT_TRUE(out.contains(QLatin1String(r.output))) << r.args.join(' ').toStdString() << "\n"
                                                           << out.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(tmp.filePath(QStringLiteral("settings/install/AccountSets/demo.zrkdb"))));
    EXPECT_TRUE(QFileInfo::exists(tmp.filePath(QStringLiteral("b/AccountSets/demo.zrkdb"))));
    // The tool draws the industry's logo without a screen or fonts.
    EXPECT_EQ(QImage(tmp.filePath(QStringLiteral("b/Common/bmp/main_boss_1.bmp")), "BMP").size(),
              QSize(392, 62));
    // The last install recorded its folder.
    EXPECT_EQ(SettingsStore::portable(tmp.filePath(QStringLiteral("settings")))
                  .read(Hive::LocalMachine, QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT"),
                        QStringLiteral("Path")),
              Variant(QDir(tmp.filePath(QStringLiteral("b"))).absolutePath()));
}

} // namespace
} // namespace zrk::demo
