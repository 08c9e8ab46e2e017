#include "suite/suite_texts.h"

#include "session/texts.h"
#include "suite/lang_info.h"

namespace zrk::suite {

SuiteTexts::SuiteTexts(const QString& languageId) {
    if (languageId == QLatin1String("en") || languageId == QLatin1String("cht"))
        table_ = std::make_shared<const TextTable>(TextTable::load(QString(), kTextBaseName, languageId));
}

SuiteTexts SuiteTexts::forUser(const SettingsStore& settings, const QString& localeName) {
    return SuiteTexts(LangInfo(settings, localeName).currentLanguage());
}

QString SuiteTexts::text(const QString& source) const {
    return table_ ? table_->find(source).value_or(source) : source;
}

QString SuiteTexts::pattern(const QString& source, const QStringList& values) const {
    return fillPlaceholders(text(source), values);
}

} // namespace zrk::suite
