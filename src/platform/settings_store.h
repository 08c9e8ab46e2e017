#pragma once

#include "platform/variant.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zrk {

enum class Hive { LocalMachine, CurrentUser };

// A registry address split into its hive and the key path below it.
struct RegistryKey {
    Hive hive;
    QString path; // segments separated by "\", as written
};

// Splits "HKEY_LOCAL_MACHINE\SOFTWARE\X" (or HKLM\..., HKEY_CURRENT_USER\..., HKCU\...);
// HKEY_CLASSES_ROOT\X is the machine's SOFTWARE\Classes\X. None for any other hive or a text
// without one.
std::optional<RegistryKey> parseRegistryKey(const QString& text);

// The suite's registry and per-user profile, kept in two settings files: the machine-wide one for
// HKEY_LOCAL_MACHINE and the user's own for HKEY_CURRENT_USER. Key paths and value names compare
// without regard to letter case, as the registry's do. The user's file (and a folder made for it)
// is readable by the user alone from the moment it is created; the machine's file is readable by
// its owner and group (mode 0640). Neither is written through a symbolic link, and a file that is
// not a settings file is never rewritten.
class SettingsStore {
public:
    // The real locations: the system configuration folder for the machine, the user's for the user.
    static SettingsStore native();
    // Both files in one folder of the caller's choice, so tests and portable installs never touch
    // the real configuration.
    static SettingsStore portable(const QString& folder);

    QString filePath(Hive hive) const;

    // Empty when the key or the value is missing.
    Variant read(Hive hive, const QString& keyPath, const QString& valueName) const;
    // Raises an error naming the file and the cause when it cannot be written or is refused (a
    // link, not a regular file, not a settings file); the file is then left as it was.
    void write(Hive hive, const QString& keyPath, const QString& valueName, const Variant& value) const;
    // The names of the values stored directly under the key.
    QStringList valueNames(Hive hive, const QString& keyPath) const;
    // Removes one value, or the whole key with everything below it when valueName is "". Raises
    // the errors of write.
    void remove(Hive hive, const QString& keyPath, const QString& valueName) const;

private:
    SettingsStore(QString machineFile, QString userFile);

    QString machineFile_;
    QString userFile_;
};

} // namespace zrk
