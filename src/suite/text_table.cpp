#include "suite/text_table.h"

#include <QFile>

namespace zrk::suite {

namespace {

QString unescape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[++i];
            out += next == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                   : next == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                                              : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

TextTable TextTable::parse(const QString& source) {
    TextTable table;
    for (QStringView line : QStringView(source).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0)
            continue;
        table.entries_.insert(unescape(line.left(tab)), unescape(line.mid(tab + 1)));
    }
    return table;
}

TextTable TextTable::load(const QString& folder, const QString& baseName, const QString& languageId) {
    const QString fileName = baseName + QLatin1Char('.') + languageId + QStringLiteral(".tsv");
    const QString path =
        folder.isEmpty() ? QStringLiteral(":/texts/") + fileName : folder + QLatin1Char('/') + fileName;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

std::optional<QString> TextTable::find(const QString& text) const {
    const auto it = entries_.constFind(text);
    if (it == entries_.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace zrk::suite
