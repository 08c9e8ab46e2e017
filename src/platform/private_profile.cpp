#include "platform/private_profile.h"

#include "platform/ansi_codepage.h"

#include <QFile>
#include <QStringView>

namespace zrk {

namespace {

QStringView trimmedView(QStringView text) {
    return text.trimmed();
}

QString unquoted(QStringView value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    return value.left(kProfileValueLimit).toString();
}

} // namespace

QString profileStringFromText(const QString& text, const QString& section, const QString& key,
                              const QString& defaultValue) {
    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();
    bool inSection = false;
    bool sectionSeen = false;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != QLatin1Char('\n'))
            ++end;
        const QStringView line = trimmedView(QStringView(text).mid(pos, end - pos));
        pos = end + 1;
        if (line.isEmpty() || line.front() == QLatin1Char(';'))
            continue;
        if (line.front() == QLatin1Char('[')) {
            if (inSection)
                break; // only the first section of that name counts
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QStringView name = trimmedView(close < 0 ? line.mid(1) : line.mid(1, close - 1));
            inSection = !sectionSeen && name.compare(wantedSection, Qt::CaseInsensitive) == 0;
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        if (trimmedView(line.left(equals)).compare(wantedKey, Qt::CaseInsensitive) == 0)
            return unquoted(trimmedView(line.mid(equals + 1)));
    }
    return defaultValue.left(kProfileValueLimit);
}

QString readProfileString(const QString& filePath, const QString& section, const QString& key,
                          const QString& defaultValue) {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return defaultValue.left(kProfileValueLimit);
    return profileStringFromText(decodeTextFile(file.readAll()), section, key, defaultValue);
}

} // namespace zrk
