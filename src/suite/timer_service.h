#pragma once

#include "core/roles/function_roles.h"
#include "platform/object.h"

#include <QObject>
#include <QTimer>
#include <map>
#include <memory>

namespace zrk::suite {

inline const QString kTimerServiceProgId = QStringLiteral("TimerHost.TimerService");

// TimerHost.TimerService: a timer a second apart (or n seconds) for the functions the console
// started. Each start gives a new id; tick(id) is emitted every n seconds until that id stops.
class TimerService : public QObject, public Object, public ITimerService {
    Q_OBJECT
public:
    TimerService() = default;

    // A new id; n below 1 raises Invalid procedure call (5).
    std::int32_t startTimer(std::int16_t seconds) override;
    // An unknown id is ignored.
    void stopTimer(std::int32_t id) override;
    bool isRunning(std::int32_t id) const { return timers_.count(id) != 0; }

signals:
    void tick(std::int32_t id);

private:
    std::int32_t nextId_ = 1;
    std::map<std::int32_t, std::unique_ptr<QTimer>> timers_;
};

} // namespace zrk::suite
