#include "platform/settings_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(SettingsStore, MissingFileReadsEmpty) {
    QTemporaryDir dir;
    const SettingsStore store = SettingsStore::portable(dir.path() + QStringLiteral("/none"));
    EXPECT_TRUE(store.read(Hive::LocalMachine, QStringLiteral("X"), QStringLiteral("Y")).isEmpty());
    store.remove(Hive::LocalMachine, QStringLiteral("X"), QStringLiteral("Y")); // nothing to remove, no error
}

} // namespace
} // namespace zrk
