#include "startup/password_scramble.h"

#include "platform/ansi_codepage.h"

#include <QList>
#include <vector>

namespace zrk {

namespace {

// The character's code in the code page as upper-case hex: two digits for one byte (a leading
// zero added), four for a double-byte character.
QString hexCode(char32_t codePoint, bool padSingleDigit) {
    const QByteArray bytes = ansiBytesOf(codePoint);
    unsigned code = 0;
    for (const char b : bytes)
        code = (code << 8) | static_cast<unsigned char>(b);
    QString hex = QString::number(code, 16).toUpper();
    if (padSingleDigit && hex.size() == 1)
        hex.prepend(QLatin1Char('0'));
    return hex;
}

} // namespace

QString scramblePass(const QString& text) {
    std::vector<char32_t> chars;
    for (const char32_t c : text.toUcs4())
        chars.push_back(c);
    if (chars.empty())
        return {};
    if (chars.size() == 1)
        return hexCode(chars.front(), false);
    QString out;
    size_t first = 0;
    size_t last = chars.size() - 1;
    while (first < last) {
        out += hexCode(chars[last--], true);
        out += hexCode(chars[first++], true);
    }
    if (first == last)
        out += hexCode(chars[first], true);
    return out;
}

QString scramblePassword(const QString& text) {
    if (text.isEmpty())
        return {};
    return scramblePass(scramblePass(text));
}

} // namespace zrk
