#pragma once

#include <QString>
#include <cstdint>

namespace zrk {

// The per-user setting of the automatic refresh: minutes between two refreshes of the summaries,
// "0" for none.
inline const QString kRefreshSettingApp = QStringLiteral("ZRK");
inline const QString kRefreshSettingSection = QStringLiteral("ZRKBOSS");
inline const QString kRefreshSettingKey = QStringLiteral("REFRESH");
inline constexpr int kRefreshTickMs = 1000;

// What a stored setting asks for: on with the number of one-second ticks between refreshes, or
// off. "0" is off; so is a text that is no number and an interval that rounds to no tick, which
// would otherwise refresh at every tick.
struct RefreshSetting {
    bool on = false;
    std::int32_t ticks = 0;
};
RefreshSetting readRefreshSetting(const QString& minutes);

// The ticks of the refresh timer since the last refresh (RefreshTime, RefreshTimeIncreament).
class RefreshCounter {
public:
    void set(const RefreshSetting& setting);
    bool on() const { return on_; }
    std::int32_t refreshTime() const { return refreshTime_; }
    std::int32_t increment() const { return increment_; }
    void setRefreshTime(std::int32_t ticks) { refreshTime_ = ticks; }
    void setIncrement(std::int32_t ticks) { increment_ = ticks; }
    // One tick; true when the summaries are to be refreshed now (the count then starts again).
    bool tick();

private:
    bool on_ = false;
    std::int32_t refreshTime_ = 0;
    std::int32_t increment_ = 0;
};

} // namespace zrk
