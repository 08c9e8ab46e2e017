#pragma once

#include <QString>

// Writing SQLite text: quoted names and texts, and pieces joined with the blanks the T-SQL
// source had.
namespace zrk::db::tsql {

// "name", with a double quote inside doubled.
QString quoteName(const QString& name);
// 'text', with a single quote inside doubled.
QString quoteText(const QString& text);

// Writes tokens back as text, a blank where the source had one or where two words would touch.
class Writer {
public:
    void add(const QString& piece, bool space);
    const QString& text() const { return out_; }

private:
    QString out_;
};

} // namespace zrk::db::tsql
