#include "board/refresh_counter.h"

#include "platform/vb_conversions.h"

namespace zrk {

RefreshSetting readRefreshSetting(const QString& minutes) {
    const QString text = minutes.trimmed();
    if (text.compare(QLatin1String("0"), Qt::CaseInsensitive) == 0)
        return {};
    const std::optional<double> number = vb::parseNumber(text);
    if (!number)
        return {};
    const std::int32_t ticks = vb::clng(*number * 60);
    if (ticks <= 0)
        return {};
    return {true, ticks};
}

void RefreshCounter::set(const RefreshSetting& setting) {
    on_ = setting.on;
    if (on_)
        refreshTime_ = setting.ticks;
    increment_ = 0;
}

bool RefreshCounter::tick() {
    if (!on_)
        return false;
    ++increment_;
    if (increment_ < refreshTime_)
        return false;
    increment_ = 0;
    return true;
}

} // namespace zrk
