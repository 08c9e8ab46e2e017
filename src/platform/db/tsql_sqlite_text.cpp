#include "platform/db/tsql_sqlite_text.h"

namespace zrk::db::tsql {

namespace {

bool isIdentChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

QString quoteName(const QString& name) {
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString quoteText(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

void Writer::add(const QString& piece, bool space) {
    if (piece.isEmpty())
        return;
    if (!out_.isEmpty() && (space || (isIdentChar(out_.back()) && isIdentChar(piece.front()))))
        out_ += QLatin1Char(' ');
    out_ += piece;
}

} // namespace zrk::db::tsql
