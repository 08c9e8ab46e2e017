#pragma once

#include "core/roles/component_roles.h"
#include "platform/object.h"
#include "suite/text_table.h"

namespace zrk::suite {

// ResText.Loader: translations of the console's texts for the language set in LanguageID.
class ResTextLoader : public Object, public ITextLoader {
public:
    void setResDirectory(const QString& directory) override;
    void setResFileBaseName(const QString& baseName) override;
    void setLanguageID(const QString& languageId) override;
    QString languageID() const override { return languageId_; }
    QString loadString(const QString& text) override;
    QString loadString2(const QString& text) override;
    void unload() override;

private:
    const TextTable& table();

    QString directory_;
    QString baseName_ = QStringLiteral("Q5Base");
    QString languageId_ = QStringLiteral("chs");
    std::optional<TextTable> table_;
};

} // namespace zrk::suite
