#pragma once

#include "platform/variant.h"

#include <QString>

namespace zrk {

class ConsoleContext;

inline const QString kUserProfileProgId = QStringLiteral("UserSettings.UserProfile");

// A per-user setting by application, section and key: a Boolean when the default is one,
// otherwise text. Any failure gives an Empty value.
Variant getUserSetting(ConsoleContext& ctx, const QString& application, const QString& section,
                       const QString& key, const Variant& defaultValue);

// Stores a per-user setting, keeping the other keys of its group; returns true.
bool saveUserSetting(ConsoleContext& ctx, const QString& application, const QString& section,
                     const QString& key, const Variant& value);

} // namespace zrk
