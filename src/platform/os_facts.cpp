#include "platform/os_facts.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace zrk {

namespace {

QString readFirstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine()).trimmed();
}

// The program name of a process: the file name of its executable when that can be read,
// else the kernel's (possibly shortened) command name.
QString processName(const QString& procDir) {
    const QString exe = QFileInfo(procDir + QStringLiteral("/exe")).symLinkTarget();
    if (!exe.isEmpty())
        return QFileInfo(exe.endsWith(QLatin1String(" (deleted)")) ? exe.chopped(10) : exe).fileName();
    return readFirstLine(procDir + QStringLiteral("/comm"));
}

} // namespace

QString machineName() {
    char buffer[256] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0)
        return {};
    const QString host = QString::fromLocal8Bit(buffer);
    return host.section(QLatin1Char('.'), 0, 0).toUpper();
}

std::optional<int> remoteSessionNumber() {
    const bool remote =
        !qEnvironmentVariableIsEmpty("SSH_CONNECTION") || !qEnvironmentVariableIsEmpty("SSH_CLIENT");
    if (!remote)
        return std::nullopt;
    bool ok = false;
    int session = qEnvironmentVariableIntValue("XDG_SESSION_ID", &ok);
    if (ok)
        return session;
    session = readFirstLine(QStringLiteral("/proc/self/sessionid")).toInt(&ok);
    if (ok && session >= 0 && session != -1)
        return session;
    return static_cast<int>(getsid(0));
}

QString terminalName(const QString& machine, std::optional<int> remoteSession) {
    if (!remoteSession)
        return machine;
    return machine + QLatin1Char('[') + QString::number(*remoteSession) + QLatin1Char(']');
}

QString terminalName() {
    return terminalName(machineName(), remoteSessionNumber());
}

std::vector<ProcessInfo> userProcessesNamed(const QString& name) {
    std::vector<ProcessInfo> found;
    const uid_t me = getuid();
    const long self = static_cast<long>(getpid());
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const long pid = entry.toLong(&numeric);
        if (!numeric || pid == self)
            continue;
        const QString dir = proc.filePath(entry);
        struct stat info {};
        if (stat(QFile::encodeName(dir).constData(), &info) != 0 || info.st_uid != me)
            continue;
        const QString program = processName(dir);
        if (program == name)
            found.push_back({pid, program});
    }
    return found;
}

int terminateUserProcessesNamed(const QString& name) {
    int asked = 0;
    for (const ProcessInfo& process : userProcessesNamed(name))
        if (kill(static_cast<pid_t>(process.pid), SIGTERM) == 0)
            ++asked;
    return asked;
}

} // namespace zrk
