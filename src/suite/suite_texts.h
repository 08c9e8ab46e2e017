#pragma once

#include "platform/settings_store.h"
#include "suite/text_table.h"

#include <QStringList>
#include <memory>

namespace zrk::suite {

// The title of the suite's message boxes.
inline const QString kSuiteMessageTitle = QStringLiteral("Quorvel提示");

// The suite's own messages and captions in the user's language, from the same text tables as
// the console's. Simplified Chinese texts are shown as written; a text the table does not hold
// stays as it is.
class SuiteTexts {
public:
    SuiteTexts() = default; // Simplified Chinese
    explicit SuiteTexts(const QString& languageId);
    // The language LangSupport.LangInfo answers for the user: the user's choice, else the locale's.
    static SuiteTexts forUser(const SettingsStore& settings, const QString& localeName);

    QString text(const QString& source) const;
    // The translated pattern with %1, %2, ... filled by the values in one pass.
    QString pattern(const QString& source, const QStringList& values) const;

private:
    std::shared_ptr<const TextTable> table_; // none for Simplified Chinese
};

} // namespace zrk::suite
