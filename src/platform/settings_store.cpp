#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace zrk {

namespace {

// Registry paths use "\"; the settings file nests groups with "/". Segments are kept in upper
// case so that differently spelt paths reach the same key.
QString groupOf(const QString& keyPath) {
    QStringList segments;
    for (const QString& segment : keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        QString s = segment.trimmed().toUpper();
        s.replace(QLatin1Char('/'), QLatin1Char('_'));
        if (!s.isEmpty())
            segments << s;
    }
    return segments.join(QLatin1Char('/'));
}

// The stored spelling of a value name, found without regard to case; the name itself when new.
QString storedName(QSettings& settings, const QString& valueName) {
    const QString wanted = valueName.isEmpty() ? QStringLiteral("(Default)") : valueName;
    for (const QString& key : settings.childKeys())
        if (key.compare(wanted, Qt::CaseInsensitive) == 0)
            return key;
    return wanted;
}

Variant fromQVariant(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::LongLong:
        return static_cast<std::int32_t>(value.toLongLong());
    case QMetaType::Double:
        return value.toDouble();
    default:
        return value.toString();
    }
}

QVariant toQVariant(const Variant& value) {
    switch (value.type()) {
    case Variant::Type::Int16:
    case Variant::Type::Int32:
        return value.toInt32();
    default:
        return value.toString();
    }
}

// The user's file is the user's alone; the machine's is also readable by the suite's group (it
// holds the launch key, which nobody else may read).
QFile::Permissions filePermissions(Hive hive) {
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
    return hive == Hive::CurrentUser ? owner : owner | QFile::ReadGroup;
}

QFile::Permissions folderPermissions(Hive hive) {
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    return hive == Hive::CurrentUser
               ? owner
               : owner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
}

[[noreturn]] void refuseWrite(const QString& path, const QString& cause) {
    throw Error(
        errnum::FileAccess, QStringLiteral("zrkboss"),
        QStringLiteral("Cannot write the settings file %1: %2").arg(QDir::toNativeSeparators(path), cause));
}

// Creates the folder and its missing parents, each with the hive's permissions from the start.
void makeFolder(const QString& folder, Hive hive, const QString& file) {
    const QFileInfo info(folder);
    if (info.isDir())
        return;
    if (info.exists() || info.isSymLink())
        refuseWrite(file, QStringLiteral("%1 is not a folder").arg(QDir::toNativeSeparators(folder)));
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath())
        makeFolder(parent, hive, file);
    if (!QDir().mkdir(info.absoluteFilePath(), folderPermissions(hive)) && !QFileInfo(folder).isDir())
        refuseWrite(file,
                    QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(folder)));
}

// Makes sure that writing the file changes only a settings file, and only the file itself: a
// link (whose target would be overwritten), anything but a plain file and a file that is no
// settings file are refused and left as they are. A missing file is created empty with the
// hive's permissions, so it is never open to others, whatever the umask.
void prepareForWriting(const QString& path, Hive hive) {
    const QFileInfo info(path);
    if (info.isSymLink())
        refuseWrite(path, QStringLiteral("it is a symbolic link, which is not written through"));
    if (info.exists()) {
        if (!info.isFile())
            refuseWrite(path, QStringLiteral("it is not a regular file"));
        QSettings existing(path, QSettings::IniFormat);
        existing.childGroups();
        if (existing.status() == QSettings::FormatError)
            refuseWrite(
                path,
                QStringLiteral("it is not a settings file (not in the ini format); it was left unchanged"));
        if (!info.isWritable())
            refuseWrite(path, QStringLiteral("permission denied"));
        return;
    }
    makeFolder(info.absolutePath(), hive, path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, filePermissions(hive)))
        refuseWrite(path, file.errorString());
    file.setPermissions(filePermissions(hive));
}

} // namespace

std::optional<RegistryKey> parseRegistryKey(const QString& text) {
    const qsizetype slash = text.indexOf(QLatin1Char('\\'));
    const QString hive = (slash < 0 ? text : text.left(slash)).trimmed().toUpper();
    const QString path = slash < 0 ? QString() : text.mid(slash + 1);
    if (hive == QLatin1String("HKEY_LOCAL_MACHINE") || hive == QLatin1String("HKLM"))
        return RegistryKey{Hive::LocalMachine, path};
    if (hive == QLatin1String("HKEY_CURRENT_USER") || hive == QLatin1String("HKCU"))
        return RegistryKey{Hive::CurrentUser, path};
    // The class registrations are the machine's.
    if (hive == QLatin1String("HKEY_CLASSES_ROOT") || hive == QLatin1String("HKCR"))
        return RegistryKey{Hive::LocalMachine, QStringLiteral("SOFTWARE\\Classes\\") + path};
    return std::nullopt;
}

SettingsStore::SettingsStore(QString machineFile, QString userFile)
    : machineFile_(std::move(machineFile)), userFile_(std::move(userFile)) {}

SettingsStore SettingsStore::native() {
    const QStringList systemDirs = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QString machineDir = systemDirs.size() > 1 ? systemDirs.last() : QStringLiteral("/etc/xdg");
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return SettingsStore(machineDir + QStringLiteral("/Quorvel/zrk-machine.ini"),
                         userDir + QStringLiteral("/Quorvel/zrk-user.ini"));
}

SettingsStore SettingsStore::portable(const QString& folder) {
    const QString dir = QDir(folder).absolutePath();
    return SettingsStore(dir + QStringLiteral("/machine.ini"), dir + QStringLiteral("/user.ini"));
}

QString SettingsStore::filePath(Hive hive) const {
    return hive == Hive::LocalMachine ? machineFile_ : userFile_;
}

Variant SettingsStore::read(Hive hive, const QString& keyPath, const QString& valueName) const {
    if (!QFileInfo::exists(filePath(hive)))
        return {};
    QSettings settings(filePath(hive), QSettings::IniFormat);
    settings.beginGroup(groupOf(keyPath));
    const QString name = storedName(settings, valueName);
    if (!settings.contains(name))
        return {};
    return fromQVariant(settings.value(name));
}

void SettingsStore::write(Hive hive, const QString& keyPath, const QString& valueName,
                          const Variant& value) const {
    const QString path = filePath(hive);
    prepareForWriting(path, hive);
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.beginGroup(groupOf(keyPath));
        settings.setValue(storedName(settings, valueName), toQVariant(value));
        settings.endGroup();
        settings.sync();
        if (settings.status() != QSettings::NoError)
            refuseWrite(path, settings.status() == QSettings::AccessError
                                  ? QStringLiteral("the file or its folder is not writable")
                                  : QStringLiteral("it is not a settings file"));
    }
    QFile::setPermissions(path, filePermissions(hive));
}

QStringList SettingsStore::valueNames(Hive hive, const QString& keyPath) const {
    if (!QFileInfo::exists(filePath(hive)))
        return {};
    QSettings settings(filePath(hive), QSettings::IniFormat);
    settings.beginGroup(groupOf(keyPath));
    return settings.childKeys();
}

void SettingsStore::remove(Hive hive, const QString& keyPath, const QString& valueName) const {
    if (!QFileInfo::exists(filePath(hive)))
        return;
    prepareForWriting(filePath(hive), hive);
    QSettings settings(filePath(hive), QSettings::IniFormat);
    settings.beginGroup(groupOf(keyPath));
    if (valueName.isEmpty())
        settings.remove(QString());
    else
        settings.remove(storedName(settings, valueName));
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        refuseWrite(filePath(hive), QStringLiteral("the file or its folder is not writable"));
}

} // namespace zrk
