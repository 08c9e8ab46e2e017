#include "suite/res_text_loader.h"

namespace zrk::suite {

void ResTextLoader::setResDirectory(const QString& directory) {
    if (directory != directory_)
        table_.reset();
    directory_ = directory;
}

void ResTextLoader::setResFileBaseName(const QString& baseName) {
    if (baseName != baseName_)
        table_.reset();
    baseName_ = baseName;
}

void ResTextLoader::setLanguageID(const QString& languageId) {
    if (languageId != languageId_)
        table_.reset();
    languageId_ = languageId;
}

const TextTable& ResTextLoader::table() {
    if (!table_)
        table_ = TextTable::load(directory_, baseName_, languageId_);
    return *table_;
}

QString ResTextLoader::loadString(const QString& text) {
    return table().find(text).value_or(text);
}

QString ResTextLoader::loadString2(const QString& text) {
    if (const auto found = table().find(text))
        return *found;
    throw Error(errnum::InvalidProcedureCall, QStringLiteral("ResText.Loader"),
                QStringLiteral("No %1 text for: %2").arg(languageId_, text));
}

void ResTextLoader::unload() {
    table_.reset();
}

} // namespace zrk::suite
