#pragma once

#include <QString>

namespace zrk {

class ConsoleContext;
class IBoardRefresh;

inline const QString kRefreshCaption = QStringLiteral("自动刷新设置");

// What the refresh-interval dialog shows when it opens.
struct RefreshChoice {
    bool refresh = false; // optRef selected, the minutes box enabled
    QString minutes;      // the stored interval, "" when off
};

// The refresh interval: read from the per-user setting, checked and stored on confirmation, and
// the board's timer switched at once. The dialog mirrors the choice and forwards the buttons.
class RefreshSettingsPresenter {
public:
    RefreshSettingsPresenter(ConsoleContext& ctx, IBoardRefresh& board);

    // The stored setting: anything but "0" (or nothing) is an interval in minutes.
    RefreshChoice load();

    // The owner confirmed. Off stores "0" and stops the board's timer. On checks the minutes
    // (a refusal is shown and nothing changes: false), stores them without surrounding blanks
    // and starts the board's timer with the interval in seconds. A setting that cannot be
    // stored is shown and leaves the board as it was (false). true: the dialog closes, ok().
    bool confirm(bool refresh, const QString& minutes);
    // The owner cancelled: nothing is stored.
    void cancel() { ok_ = false; }

    bool ok() const { return ok_; }
    void setOk(bool ok) { ok_ = ok; }

private:
    // Stores the setting; a failure is shown: false.
    bool store(const QString& value);

    ConsoleContext& ctx_;
    IBoardRefresh& board_;
    bool ok_ = false;
};

} // namespace zrk
