#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace zrk {

// The computer's name in upper case, without a domain; "" when it cannot be read.
QString machineName();

// The number of the login session when it is a remote one (started over SSH or a remote
// desktop), none for a local session.
std::optional<int> remoteSessionNumber();

// The machine name, followed by "[" + session number + "]" for a remote session.
QString terminalName(const QString& machine, std::optional<int> remoteSession);
QString terminalName();

struct ProcessInfo {
    long pid;
    QString name;
};

// The current user's own processes whose program name is exactly the given name (this process
// excluded).
std::vector<ProcessInfo> userProcessesNamed(const QString& name);

// Asks each of them to end (SIGTERM); returns how many were asked.
int terminateUserProcessesNamed(const QString& name);

// Finds another program's top-level window by its title and asks it to close. The start-up
// code provides one for the display the console runs on; elsewhere none is found.
class WindowFinder {
public:
    virtual ~WindowFinder() = default;
    // An opaque handle of the first top-level window with exactly that title.
    virtual std::optional<unsigned long> findTopLevel(const QString& title) = 0;
    // The handles of every top-level window whose title (its first 256 characters) contains the
    // text, letter case ignored; none where the platform cannot list windows.
    virtual std::vector<unsigned long> findTopLevelContaining(const QString& text) {
        (void)text;
        return {};
    }
    // Posts a close request; false when posting failed.
    virtual bool postClose(unsigned long window) = 0;
};

class NoWindowFinder : public WindowFinder {
public:
    std::optional<unsigned long> findTopLevel(const QString&) override { return std::nullopt; }
    bool postClose(unsigned long) override { return false; }
};

} // namespace zrk
