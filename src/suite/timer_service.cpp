#include "suite/timer_service.h"

namespace zrk::suite {

std::int32_t TimerService::startTimer(std::int16_t seconds) {
    if (seconds < 1)
        throw Error(errnum::InvalidProcedureCall, kTimerServiceProgId,
                    QStringLiteral("The interval must be at least one second"));
    const std::int32_t id = nextId_++;
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(static_cast<int>(seconds) * 1000);
    connect(timer.get(), &QTimer::timeout, this, [this, id] { emit tick(id); });
    timer->start();
    timers_[id] = std::move(timer);
    return id;
}

void TimerService::stopTimer(std::int32_t id) {
    timers_.erase(id);
}

} // namespace zrk::suite
