#include "app/process_setup.h"

#include "startup/instance_channel.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTextStream>
#include <csignal>
#include <pthread.h>
#include <sys/signalfd.h>
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

QString runtimeFolderProblem(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isSymLink())
        return QStringLiteral("运行目录%1是一个符号链接，主控台不能在这里启动。");
    if (!info.isDir())
        return QStringLiteral("运行目录%1不存在，也不能创建。");
    if (info.ownerId() != getuid())
        return QStringLiteral("运行目录%1不属于当前用户，主控台不能在这里启动。");
    constexpr QFile::Permissions othersMay = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                             QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    if (info.permissions() & othersMay)
        return QStringLiteral(
            "运行目录%1允许其他用户访问，主控台不能在这里启动。请只允许当前用户访问它（权限0700）。");
    return {};
}

RuntimeFolder runtimeFolder() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        // No session runtime folder (a service, a container): one of the user's own, in a place
        // no other user can take first; made private from the start.
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                 QStringLiteral("/zrkboss-runtime");
        if (!QFileInfo::exists(folder)) {
            QDir().mkpath(QFileInfo(folder).path());
            QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    return {folder, runtimeFolderProblem(folder)};
}

void TerminationSignals::block() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

TerminationSignals::TerminationSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    fd_ = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    if (fd_ < 0)
        return; // the signals stay blocked; the default end by SIGKILL still works
    auto* notifier = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::receive);
}

TerminationSignals::~TerminationSignals() {
    if (fd_ >= 0)
        close(fd_);
}

void TerminationSignals::receive() {
    signalfd_siginfo info{};
    while (read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
        exitCode_ = 128 + static_cast<int>(info.ssi_signo);
    if (exitCode_ != 0)
        QCoreApplication::exit(exitCode_);
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
