#include "app/process_setup.h"

#include <QDir>
#include <QLocale>

namespace zrk {

SettingsStore settingsForProcess() {
    const QString folder = qEnvironmentVariable("ZRK_SETTINGS_DIR");
    return folder.isEmpty() ? SettingsStore::native() : SettingsStore::portable(folder);
}

suite::SuiteEnvironment suiteEnvironmentFor(const SettingsStore& settings) {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty())
        state = QDir::homePath() + QStringLiteral("/.local/state");
    const QString portable = qEnvironmentVariable("ZRK_SETTINGS_DIR");
    const QString logFolder =
        portable.isEmpty() ? state + QStringLiteral("/zrkboss") : portable + QStringLiteral("/log");
    return {settings, logFolder, QLocale::system().name()};
}

} // namespace zrk
