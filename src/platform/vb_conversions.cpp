#include "platform/vb_conversions.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace zrk::vb {

namespace {

const QString kSource = QStringLiteral("zrkboss");

[[noreturn]] void raiseTypeMismatch() {
    throw Error(errnum::TypeMismatch, kSource, QStringLiteral("Type mismatch"));
}

[[noreturn]] void raiseOverflow() {
    throw Error(errnum::Overflow, kSource, QStringLiteral("Overflow"));
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// &H1F / &O17: the platform reads up to four hex digits as a 16-bit value and up to eight as
// a 32-bit value, both two's complement.
std::optional<double> parseRadixInteger(const QString& digits, int radix) {
    if (digits.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qulonglong raw = digits.toULongLong(&ok, radix);
    if (!ok || raw > 0xFFFFFFFFull)
        return std::nullopt;
    if (raw <= 0xFFFF && digits.size() <= (radix == 16 ? 4 : 6))
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(raw)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(raw)));
}

std::optional<double> parseRadixPrefixed(const QString& text) {
    if (text.size() < 3 || text[0] != QLatin1Char('&'))
        return std::nullopt;
    const QChar kind = text[1].toUpper();
    if (kind == QLatin1Char('H'))
        return parseRadixInteger(text.mid(2), 16);
    if (kind == QLatin1Char('O'))
        return parseRadixInteger(text.mid(2), 8);
    return std::nullopt;
}

template <class Int> Int roundToInt(const Variant& value) {
    if (value.type() == Variant::Type::Boolean)
        return value.toBool() ? Int(-1) : Int(0);
    const double rounded = roundHalfEven(value.toDouble());
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        raiseOverflow();
    return static_cast<Int>(rounded);
}

} // namespace

bool textToBool(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = parseNumber(trimmed))
        return *number != 0.0;
    raiseTypeMismatch();
}

std::optional<double> parseNumber(const QString& text) {
    const QString s = text.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    if (s.startsWith(QLatin1Char('&')))
        return parseRadixPrefixed(s);

    QString plain;
    plain.reserve(s.size());
    qsizetype i = 0;
    if (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))
        plain += s[i++];
    bool digits = false;
    for (; i < s.size() && (isDigit(s[i]) || (s[i] == QLatin1Char(',') && digits)); ++i) {
        if (s[i] != QLatin1Char(','))
            plain += s[i];
        digits = true;
    }
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        plain += s[i++];
        for (; i < s.size() && isDigit(s[i]); ++i) {
            plain += s[i];
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < s.size() && (s[i].toUpper() == QLatin1Char('E') || s[i].toUpper() == QLatin1Char('D'))) {
        plain += QLatin1Char('e');
        ++i;
        if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            plain += s[i++];
        const qsizetype start = i;
        for (; i < s.size() && isDigit(s[i]); ++i)
            plain += s[i];
        if (i == start)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::int16_t cint(const Variant& value) {
    return roundToInt<std::int16_t>(value);
}

std::int32_t clng(const Variant& value) {
    return roundToInt<std::int32_t>(value);
}

double val(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
            c != QLatin1Char('\r'))
            s += c;
    }
    if (s.startsWith(QLatin1Char('&')) && s.size() > 1) {
        const QChar kind = s[1].toUpper();
        const int radix = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
        if (radix == 0)
            return 0.0;
        qsizetype end = 2;
        while (end < s.size() && QStringLiteral("0123456789ABCDEF").left(radix).contains(s[end].toUpper()))
            ++end;
        return parseRadixInteger(s.mid(2, std::min<qsizetype>(end - 2, 8)), radix).value_or(0.0);
    }

    qsizetype i = 0;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        ++i;
    const qsizetype mantissaStart = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
    }
    if (i == mantissaStart || (i == mantissaStart + 1 && s[mantissaStart] == QLatin1Char('.')))
        return 0.0;
    qsizetype end = i;
    if (i < s.size() && (s[i].toUpper() == QLatin1Char('E') || s[i].toUpper() == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            ++j;
        const qsizetype expStart = j;
        while (j < s.size() && isDigit(s[j]))
            ++j;
        if (j > expStart)
            end = j;
    }
    QString number = s.left(end);
    number.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        raiseOverflow();
    return value;
}

bool isNumeric(const Variant& value) {
    switch (value.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Boolean:
    case Variant::Type::Int16:
    case Variant::Type::Int32:
    case Variant::Type::Double:
        return true;
    case Variant::Type::String:
        return parseNumber(value.toString()).has_value();
    default:
        return false;
    }
}

QString format(double value, const QString& pattern) {
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString integerPattern = point < 0 ? pattern : pattern.left(point);
    const QString fractionPattern = point < 0 ? QString() : pattern.mid(point + 1);
    const bool grouping = integerPattern.contains(QLatin1Char(','));
    const int minIntegerDigits = static_cast<int>(integerPattern.count(QLatin1Char('0')));
    const int decimals = static_cast<int>(fractionPattern.count(QLatin1Char('0')));
    const bool known = !pattern.isEmpty() && std::all_of(pattern.begin(), pattern.end(), [](QChar c) {
        return QStringLiteral("#,0.").contains(c);
    });
    if (!known || fractionPattern.contains(QLatin1Char('#')) || pattern.count(QLatin1Char('.')) > 1)
        throw Error(errnum::InvalidProcedureCall, kSource,
                    QStringLiteral("Unsupported number format: ") + pattern);
    if (!std::isfinite(value))
        raiseOverflow();

    // Round the fifteen significant digits the platform keeps, half away from zero, in decimal.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    QString digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += QLatin1Char(*p);
    const int exponent = std::atoi(p + 1);
    int integerDigits = exponent + 1; // digits before the decimal point
    const int keep = integerDigits + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < digits.size()) {
        const bool up = digits[keep] >= QLatin1Char('5');
        digits.truncate(keep);
        for (int i = keep - 1; up && i >= -1; --i) {
            if (i < 0) {
                digits.prepend(QLatin1Char('1'));
                ++integerDigits;
                break;
            }
            if (digits[i] == QLatin1Char('9')) {
                digits[i] = QLatin1Char('0');
            } else {
                digits[i] = QChar(digits[i].unicode() + 1);
                break;
            }
        }
    }
    // Place the digits around the decimal point.
    QString integerPart;
    QString fractionPart;
    if (integerDigits <= 0) {
        integerPart = QStringLiteral("0");
        fractionPart = QString(-integerDigits, QLatin1Char('0')) + digits;
    } else {
        integerPart = digits.left(integerDigits).leftJustified(integerDigits, QLatin1Char('0'));
        fractionPart = digits.mid(integerDigits);
    }
    fractionPart = fractionPart.leftJustified(decimals, QLatin1Char('0'), true);
    while (integerPart.size() > 1 && integerPart[0] == QLatin1Char('0'))
        integerPart.remove(0, 1);
    if (integerPart == QLatin1String("0") && minIntegerDigits == 0)
        integerPart.clear();
    if (integerPart.size() < minIntegerDigits)
        integerPart = integerPart.rightJustified(minIntegerDigits, QLatin1Char('0'));
    if (grouping)
        for (qsizetype i = integerPart.size() - 3; i > 0; i -= 3)
            integerPart.insert(i, QLatin1Char(','));

    const bool zero =
        !std::any_of(digits.begin(), digits.end(), [](QChar c) { return c != QLatin1Char('0'); });
    QString result = (value < 0 && !zero) ? QStringLiteral("-") : QString();
    result += integerPart;
    if (decimals > 0)
        result += QLatin1Char('.') + fractionPart;
    return result;
}

Variant nullToText(const Variant& value) {
    return nullToText(value, QString());
}

Variant nullToText(const Variant& value, const Variant& defaultValue) {
    if (value.isNull() || value.isEmpty())
        return defaultValue;
    if (value.type() == Variant::Type::String && value.toString().isEmpty())
        return defaultValue;
    return value;
}

} // namespace zrk::vb
