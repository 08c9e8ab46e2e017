#include "session/property_string.h"

#include <QStringList>

namespace zrk {

namespace {

QString lookUp(const QString& text, const QString& key, const QString& separator, bool braceRule) {
    QString s = text;
    if (separator.isEmpty() || !s.endsWith(separator))
        s += separator;
    const QString pattern = key + QLatin1Char('=');
    const qsizetype at = s.indexOf(pattern, 0, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    QString cut = s.mid(at);
    QString sep = separator;
    if (braceRule && pattern.toLower() == QLatin1String("connectstring=")) {
        cut.remove(0, 1);
        sep = QStringLiteral("}");
    }
    // An empty separator matches at once, so it yields nothing, as a missing one does.
    const qsizetype end = sep.isEmpty() ? -1 : cut.indexOf(sep);
    if (end < 0)
        return {};
    return cut.left(end).mid(pattern.size());
}

// The piece of the text with the given zero-based index after cutting at every delimiter.
QString piece(const QString& text, const QString& delimiter, int index) {
    const QStringList pieces = text.split(delimiter);
    return index < pieces.size() ? pieces[index] : QString();
}

} // namespace

QString getPropValue(const QString& text, const QString& key, const QString& separator) {
    return lookUp(text, key, separator, true);
}

QString getItemValue(const QString& text, const QString& key, const QString& separator) {
    return lookUp(text, key, separator, false);
}

QString getBraceField(const QString& text, int mode) {
    switch (mode) {
    case 0:
        return piece(piece(text, QStringLiteral("}"), 0), QStringLiteral("{"), 1);
    case 1:
    case 2: {
        const QString after = piece(text, QStringLiteral("};"), 1);
        return piece(piece(after, QStringLiteral(";"), mode - 1), QStringLiteral("="), 1);
    }
    default:
        return {};
    }
}

} // namespace zrk
