#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace zrk {

// One running console per user and display. The first copy holds a per-user lock and listens on
// a local socket, both in the user's runtime folder; a later copy asks it, through that socket,
// to bring its main window forward, and learns whether it did, or (for a process serving
// objects) asks it to quit.
//
// The requests and answers are one line each:
//   show      -> "shown", or "not shown: no window" / "not shown: starting" /
//                "not shown: serving objects"
//   activate  -> "activated" or "nowindow" (the older form of "show", still answered)
//   quit      -> "quitting", or "not quitting: window open" from a copy with the owner's window
//   anything else -> "unknown"
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // Answers of the running copy.
    enum class Reply {
        Shown,       // its main window is in front now
        NoWindow,    // it runs, but has no main window to show
        Starting,    // it is still starting (logging in, preparing the account set)
        ServingOnly, // it only serves the console's objects and has no main window
        Quitting,    // it ends, as asked
        NotQuitting, // it has the owner's window open and does not end from outside
        NoAnswer,    // nobody answered in time (gone, stopped, or blocked)
    };

    // The channel's name for a user and a display ("" when the display is unknown).
    static QString channelName(unsigned userId, const QString& display);

    // folder: where the lock file and the socket live (the user's runtime folder).
    InstanceChannel(const QString& name, const QString& folder);
    ~InstanceChannel() override;

    // The path of the channel's socket.
    QString socketPath() const { return socketPath_; }

    // True when this process is now the running copy; false when another copy holds the lock.
    bool claim();

    // What the running copy does on "show": bring its window forward and tell how that went
    // (Shown, NoWindow, Starting or ServingOnly). Without it the answer is NoWindow.
    std::function<Reply()> onShow;
    // What the running copy does on "quit"; without it the copy refuses to end.
    std::function<void()> onQuit;

    // Sends a request ("show", "activate" or "quit") to the running copy and waits for its answer.
    Reply request(const QString& command, int timeoutMs = 5000) const;

    // Asks the running copy to show its window: "show", or "activate" when the running copy is
    // of a version that does not know "show" yet.
    Reply handOver(int timeoutMs = 5000) const;

private:
    void serve();
    // The answer line to a request, or "" when there was none in time.
    QByteArray exchange(const QString& command, int timeoutMs) const;

    QString name_;
    QString socketPath_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};

// The running copy's answer to "show": Shown when its window came forward, else why not.
InstanceChannel::Reply showAnswer(bool broughtForward, bool servingObjects, bool loggedIn);

// What a later start tells the owner when the running copy did not show its window (the
// untranslated text); "" for Shown.
QString handOverMessage(InstanceChannel::Reply reply);

} // namespace zrk
