#include "session/password_scramble.h"

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

namespace {

// Undoes one pass: the codes back in their first order, each turned into its character.
std::optional<QString> unscramblePass(const QString& hex) {
    if (hex.isEmpty())
        return QString();
    // Codes are two hex digits, four for a double-byte character (its lead byte is 0x81 or more).
    std::vector<QByteArray> codes;
    for (qsizetype i = 0; i < hex.size();) {
        bool ok = false;
        const uint lead = hex.mid(i, 2).toUInt(&ok, 16);
        if (!ok || hex.mid(i, 2).size() < 2)
            return std::nullopt;
        const qsizetype width = lead >= 0x81 ? 4 : 2;
        const QByteArray bytes = QByteArray::fromHex(hex.mid(i, width).toLatin1());
        if (bytes.size() * 2 != width)
            return std::nullopt;
        codes.push_back(bytes);
        i += width;
    }
    // The emitted order was last, first, second-to-last, second, ...
    std::vector<QByteArray> ordered(codes.size());
    size_t first = 0;
    size_t last = codes.size() - 1;
    size_t next = 0;
    while (first < last) {
        ordered[last--] = codes[next++];
        ordered[first++] = codes[next++];
    }
    if (first == last)
        ordered[first] = codes[next];
    QByteArray bytes;
    for (const QByteArray& code : ordered)
        bytes += code;
    return fromAnsi(bytes);
}

} // namespace

std::optional<QString> unscramblePassword(const QString& scrambled) {
    if (scrambled.isEmpty())
        return QString();
    // A one-character text may have lost its leading zero.
    const auto once = unscramblePass(scrambled.size() % 2 ? QLatin1Char('0') + scrambled : scrambled);
    if (!once)
        return std::nullopt;
    const auto twice = unscramblePass(once->size() % 2 ? QLatin1Char('0') + *once : *once);
    if (!twice || scramblePassword(*twice) != scrambled)
        return std::nullopt;
    return twice;
}

QString scramblePassword(const QString& text) {
    if (text.isEmpty())
        return {};
    return scramblePass(scramblePass(text));
}

} // namespace zrk
