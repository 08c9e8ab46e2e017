#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

namespace zrk {

// The per-user setting of the board's automatic refresh: "0" is off, any other text the
// interval in minutes as the owner typed it.
inline const QString kRefreshApplication = QStringLiteral("ZRK");
inline const QString kRefreshSection = QStringLiteral("ZRKBOSS");
inline const QString kRefreshKey = QStringLiteral("REFRESH");
inline const QString kRefreshOff = QStringLiteral("0");

inline const QString kNoIntervalText = QStringLiteral("请输入自动刷新时间间隔!");
inline const QString kNotNumericText = QStringLiteral("时间必须为数值!");
inline const QString kNotPositiveText = QStringLiteral("时间必须大于零!");
inline const QString kLeadingPointText = QStringLiteral("时间不能以.开头!");

// Whether a typed character reaches the minutes box: the digits, the full stop, the backspace
// (8) and the character 190; every other character is dropped. Keys that type no character
// (the arrows, Delete) are not characters and always pass.
bool refreshKeyPasses(QChar typed);

// The verdict on the minutes box: the refusal to show, or the interval in seconds.
struct RefreshCheck {
    QString refusal; // "" when accepted
    std::int32_t seconds = 0;
};

// The four checks in order, on the text without its surrounding blanks: empty, not numeric,
// not greater than zero, starting with ".". Numeric means a plain decimal number (a sign,
// digits, one full stop), the only form the board reads back as the same number. The seconds
// are minutes x 60 rounded half to even; seconds beyond a 32-bit integer are refused as not
// numeric, and an interval that rounds to no second as not greater than zero.
RefreshCheck checkRefreshMinutes(const QString& text);

} // namespace zrk
