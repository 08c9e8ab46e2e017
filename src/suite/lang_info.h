#pragma once

#include "core/roles/component_roles.h"
#include "platform/object.h"
#include "platform/settings_store.h"

namespace zrk::suite {

inline const QString kLanguageSettingKey = QStringLiteral("Software\\Quorvel\\LangSupport");
inline const QString kLanguageSettingValue = QStringLiteral("CurrentLanguage");

// "cht" for Traditional Chinese locales (zh_TW, zh_HK), "en" for English ones, "chs" otherwise.
QString languageForLocale(const QString& localeName);

// LangSupport.LangInfo: the user's chosen language ("chs", "cht" or "en" in the user's
// settings), else the one of the system locale.
class LangInfo : public Object, public ILangInfo {
public:
    LangInfo(SettingsStore store, QString localeName)
        : store_(std::move(store)), localeName_(std::move(localeName)) {}
    QString currentLanguage() override;

private:
    SettingsStore store_;
    QString localeName_;
};

} // namespace zrk::suite
