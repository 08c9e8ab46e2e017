#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace zrk {

// One running console per user and display. The first copy holds a per-user lock and listens on
// a local socket; a later copy asks it, through that socket, to bring its main window forward,
// or (for a process serving objects) to quit.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // Answers of the running copy.
    enum class Reply { Activated, NoWindow, Quitting, NoAnswer };

    // The channel's name for a user and a display ("" when the display is unknown).
    static QString channelName(unsigned userId, const QString& display);

    // folder: where the lock file lives (the user's runtime folder).
    InstanceChannel(const QString& name, const QString& folder);
    ~InstanceChannel() override;

    // True when this process is now the running copy; false when another copy holds the lock.
    bool claim();

    // What the running copy does on a request; "activate" answers whether it had a window.
    std::function<bool()> onActivate;
    std::function<void()> onQuit;

    // Sends a request ("activate" or "quit") to the running copy and waits for its answer.
    Reply request(const QString& command, int timeoutMs = 5000) const;

private:
    void serve();

    QString name_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace zrk
