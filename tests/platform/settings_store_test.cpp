#include "platform/error.h"
#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zrk {
namespace {

TEST(RegistryKey, SplitsTheHive) {
    const auto machine =
        parseRegistryKey(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\QUORVEL\\ZRKPRODUCT"));
    ASSERT_TRUE(machine);
    EXPECT_EQ(machine->hive, Hive::LocalMachine);
    EXPECT_EQ(machine->path, QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT"));
    const auto user = parseRegistryKey(QStringLiteral("hkcu\\SoftWare\\QuorVel\\QVReg"));
    ASSERT_TRUE(user);
    EXPECT_EQ(user->hive, Hive::CurrentUser);
    EXPECT_FALSE(parseRegistryKey(QStringLiteral("HKEY_USERS\\X")));
    const auto classes = parseRegistryKey(QStringLiteral("HKEY_CLASSES_ROOT\\Demo.Part\\Clsid"));
    ASSERT_TRUE(classes);
    EXPECT_EQ(classes->hive, Hive::LocalMachine);
    EXPECT_EQ(classes->path, QStringLiteral("SOFTWARE\\Classes\\Demo.Part\\Clsid"));
    EXPECT_FALSE(parseRegistryKey(QString()));
}

TEST(SettingsStore, PortableModeKeepsBothHivesInTheFolder) {
    QTemporaryDir dir;
    const SettingsStore store = SettingsStore::portable(dir.path());
    store.write(Hive::LocalMachine, QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT"), QStringLiteral("Path"),
                QStringLiteral("/opt/quorvel"));
    store.write(Hive::CurrentUser, QStringLiteral("Software\\X"), QStringLiteral("Count"), 7);
    EXPECT_TRUE(store.filePath(Hive::LocalMachine).startsWith(dir.path()));
    EXPECT_TRUE(store.filePath(Hive::CurrentUser).startsWith(dir.path()));
    EXPECT_NE(store.filePath(Hive::LocalMachine), store.filePath(Hive::CurrentUser));
    // Key paths and value names compare without case, as the registry's do.
    EXPECT_EQ(store.read(Hive::LocalMachine, QStringLiteral("software\\Quorvel\\ZrkProduct"),
                         QStringLiteral("PATH")),
              Variant(QStringLiteral("/opt/quorvel")));
    EXPECT_EQ(store.read(Hive::CurrentUser, QStringLiteral("SOFTWARE\\x"), QStringLiteral("count")).toInt32(),
              7);
    // The two hives are apart.
    EXPECT_TRUE(
        store.read(Hive::CurrentUser, QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT"), QStringLiteral("Path"))
            .isEmpty());
}

TEST(SettingsStore, RewritingAValueKeepsOneEntryAndRemoveDeletes) {
    QTemporaryDir dir;
    const SettingsStore store = SettingsStore::portable(dir.path());
    store.write(Hive::CurrentUser, QStringLiteral("A\\B"), QStringLiteral("Name"), QStringLiteral("one"));
    store.write(Hive::CurrentUser, QStringLiteral("a\\b"), QStringLiteral("NAME"),
                QStringLiteral("two ; = \"x\""));
    store.write(Hive::CurrentUser, QStringLiteral("A\\B"), QStringLiteral("Other"), QStringLiteral("中文"));
    EXPECT_EQ(store.read(Hive::CurrentUser, QStringLiteral("A\\B"), QStringLiteral("Name")).toString(),
              QStringLiteral("two ; = \"x\""));
    EXPECT_EQ(store.read(Hive::CurrentUser, QStringLiteral("A\\B"), QStringLiteral("Other")).toString(),
              QStringLiteral("中文"));
    QFile file(store.filePath(Hive::CurrentUser));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("two"), 1);
    store.remove(Hive::CurrentUser, QStringLiteral("A\\B"), QStringLiteral("name"));
    EXPECT_TRUE(store.read(Hive::CurrentUser, QStringLiteral("A\\B"), QStringLiteral("Name")).isEmpty());
    store.remove(Hive::CurrentUser, QStringLiteral("A"), QString());
    EXPECT_TRUE(store.read(Hive::CurrentUser, QStringLiteral("A\\B"), QStringLiteral("Other")).isEmpty());
}

TEST(SettingsStore, TheUsersFileIsReadableByTheUserAlone) {
    QTemporaryDir dir;
    const SettingsStore store = SettingsStore::portable(dir.path());
    store.write(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("V"), 1);
    const auto permissions = QFile::permissions(store.filePath(Hive::CurrentUser));
    EXPECT_TRUE(permissions & QFile::ReadOwner);
    EXPECT_FALSE(permissions & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther));
}

// Sets the process's umask for one test and puts the old one back.
class Umask {
public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }

private:
    mode_t old_;
};

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.description();
    }
    return {};
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SettingsStore, FoldersAndFilesAreClosedToOthersWhateverTheUmask) {
    const Umask open(0);
    QTemporaryDir dir;
    const SettingsStore store = SettingsStore::portable(dir.path() + QStringLiteral("/new/settings"));
    store.write(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("V"), 1);
    const auto owner = QFile::ReadOwner | QFile::WriteOwner;
    const auto ownerFolder = owner | QFile::ExeOwner;
    const QFile::Permissions user = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    EXPECT_EQ(QFile::permissions(store.filePath(Hive::CurrentUser)), user);
    for (const QString& folder :
         {dir.path() + QStringLiteral("/new"), dir.path() + QStringLiteral("/new/settings")})
        EXPECT_EQ(QFile::permissions(folder) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                  ownerFolder)
            << folder.toStdString();
    // The machine's file holds the launch key: the owner and the suite's group, nobody else.
    store.write(Hive::LocalMachine, QStringLiteral("K"), QStringLiteral("V"), 1);
    EXPECT_EQ(QFile::permissions(store.filePath(Hive::LocalMachine)) & ~(QFile::ReadUser | QFile::WriteUser),
              owner | QFile::ReadGroup);
}

TEST(SettingsStore, ALinkIsNotWrittenThroughAndItsTargetStaysAsItWas) {
    QTemporaryDir dir;
    const QString target = dir.path() + QStringLiteral("/precious.txt");
    QFile precious(target);
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.write("not a settings file\n");
    precious.close();
    const SettingsStore store = SettingsStore::portable(dir.path());
    ASSERT_TRUE(QFile::link(target, store.filePath(Hive::CurrentUser)));
    const QString message =
        errorOf([&] { store.write(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("V"), 1); });
    EXPECT_TRUE(message.contains(store.filePath(Hive::CurrentUser))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("symbolic link"))) << message.toStdString();
    EXPECT_FALSE(errorOf([&] { store.remove(Hive::CurrentUser, QStringLiteral("K"), QString()); }).isEmpty());
    EXPECT_EQ(contentOf(target), QByteArray("not a settings file\n"));
    EXPECT_TRUE(QFileInfo(store.filePath(Hive::CurrentUser)).isSymLink());
}

TEST(SettingsStore, AFileThatIsNoSettingsFileIsNamedAndLeftAlone) {
    QTemporaryDir dir;
    const SettingsStore store = SettingsStore::portable(dir.path());
    static constexpr char raw[] = "\x00\x01\x02[zz\n=\xff\xfe just words\n";
    const QByteArray garbage(raw, sizeof raw - 1);
    QFile file(store.filePath(Hive::CurrentUser));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(garbage);
    file.close();
    const QString message =
        errorOf([&] { store.write(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("V"), 1); });
    EXPECT_TRUE(message.contains(store.filePath(Hive::CurrentUser))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("not a settings file"))) << message.toStdString();
    EXPECT_EQ(contentOf(store.filePath(Hive::CurrentUser)), garbage);
    // A folder where the file should be is no file either.
    const SettingsStore folderStore = SettingsStore::portable(dir.path() + QStringLiteral("/f"));
    ASSERT_TRUE(QDir().mkpath(folderStore.filePath(Hive::CurrentUser)));
    EXPECT_TRUE(errorOf([&] {
                    folderStore.write(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("V"), 1);
                }).contains(QStringLiteral("not a regular file")));
}

TEST(SettingsStore, AReadOnlyFileSaysSo) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes any file";
    QTemporaryDir dir;
    const SettingsStore store = SettingsStore::portable(dir.path());
    store.write(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("V"), 1);
    QFile::setPermissions(store.filePath(Hive::CurrentUser), QFile::ReadOwner);
    const QString message =
        errorOf([&] { store.write(Hive::CurrentUser, QStringLiteral("K"), QStringLiteral("V"), 2); });
    EXPECT_TRUE(message.contains(QStringLiteral("permission denied"))) << message.toStdString();
}

TEST(SettingsStore, MissingFileReadsEmpty) {
    QTemporaryDir dir;
    const SettingsStore store = SettingsStore::portable(dir.path() + QStringLiteral("/none"));
    EXPECT_TRUE(store.read(Hive::LocalMachine, QStringLiteral("X"), QStringLiteral("Y")).isEmpty());
    store.remove(Hive::LocalMachine, QStringLiteral("X"), QStringLiteral("Y")); // nothing to remove, no error
}

} // namespace
} // namespace zrk
