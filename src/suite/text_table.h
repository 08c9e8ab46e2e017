#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace zrk::suite {

// One language's translations of the console's Simplified Chinese texts. The source is a file
// "<base>.<language>.tsv": one "text<TAB>translation" a line, "#" starting a comment line, and
// \n, \t and \\ written as escapes.
class TextTable {
public:
    // The table of a language from the folder, or from the program's built-in tables when the
    // folder is "". An unknown language or a missing file gives an empty table.
    static TextTable load(const QString& folder, const QString& baseName, const QString& languageId);
    static TextTable parse(const QString& source);

    std::optional<QString> find(const QString& text) const;
    int size() const { return static_cast<int>(entries_.size()); }

private:
    QHash<QString, QString> entries_;
};

} // namespace zrk::suite
