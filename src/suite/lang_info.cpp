#include "suite/lang_info.h"

namespace zrk::suite {

QString languageForLocale(const QString& localeName) {
    const QString name =
        localeName.section(QLatin1Char('.'), 0, 0).replace(QLatin1Char('-'), QLatin1Char('_'));
    if (name.startsWith(QLatin1String("zh_TW"), Qt::CaseInsensitive) ||
        name.startsWith(QLatin1String("zh_HK"), Qt::CaseInsensitive))
        return QStringLiteral("cht");
    if (name.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
        name.startsWith(QLatin1String("en_"), Qt::CaseInsensitive))
        return QStringLiteral("en");
    return QStringLiteral("chs");
}

QString LangInfo::currentLanguage() {
    const QString chosen = store_.read(Hive::CurrentUser, kLanguageSettingKey, kLanguageSettingValue)
                               .toString()
                               .trimmed()
                               .toLower();
    if (chosen == QLatin1String("chs") || chosen == QLatin1String("cht") || chosen == QLatin1String("en"))
        return chosen;
    return languageForLocale(localeName_);
}

} // namespace zrk::suite
