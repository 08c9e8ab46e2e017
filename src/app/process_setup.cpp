#include "app/process_setup.h"

#include "startup/instance_channel.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>
#include <unistd.h>

namespace zrk {

SettingsStore settingsForProcess() {
    const QString folder = qEnvironmentVariable("ZRK_SETTINGS_DIR");
    return folder.isEmpty() ? SettingsStore::native() : SettingsStore::portable(folder);
}

suite::SuiteEnvironment suiteEnvironmentFor(const SettingsStore& settings, PromptService* prompts) {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty())
        state = QDir::homePath() + QStringLiteral("/.local/state");
    const QString portable = qEnvironmentVariable("ZRK_SETTINGS_DIR");
    const QString logFolder =
        portable.isEmpty() ? state + QStringLiteral("/zrkboss") : portable + QStringLiteral("/log");
    return {settings, logFolder, QLocale::system().name(), prompts};
}

QString instanceChannelName() {
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = QGuiApplication::platformName();
    // A portable installation is its own world: its console does not meet the user's other one.
    display += QLatin1Char('|') + qEnvironmentVariable("ZRK_SETTINGS_DIR");
    return InstanceChannel::channelName(static_cast<unsigned>(getuid()), display);
}

QString runtimeFolder() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists()) {
        // No session runtime folder (a service, a container): a private one in the temporary folder.
        folder = QDir::tempPath() + QStringLiteral("/zrkboss-runtime-%1").arg(getuid());
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return folder;
}

MessageAnswer HeadlessPromptService::messageBox(const QString& text, const QString& title, MessageIcon,
                                                MessageButtons buttons) {
    QTextStream(stderr) << title << ": " << text << '\n';
    return safeAnswer(buttons);
}

int HeadlessPromptService::execDialog(QDialog& dialog) {
    QTextStream(stderr) << "zrkboss: no screen to show the dialog \"" << dialog.windowTitle() << "\"\n";
    return QDialog::Rejected;
}

} // namespace zrk
