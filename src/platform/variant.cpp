#include "platform/variant.h"

#include "platform/vb_conversions.h"

#include <cmath>

namespace zrk {

namespace {

const QString kSource = QStringLiteral("zrkboss");

[[noreturn]] void raiseTypeMismatch() {
    throw Error(errnum::TypeMismatch, kSource, QStringLiteral("Type mismatch"));
}

[[noreturn]] void raiseNullUse() {
    throw Error(errnum::InvalidUseOfNull, kSource, QStringLiteral("Invalid use of Null"));
}

// Dates count days from 1899-12-30, the fraction being the time of day.
const QDateTime kDateEpoch(QDate(1899, 12, 30), QTime(0, 0));

double dateToDays(const QDateTime& date) {
    return static_cast<double>(kDateEpoch.msecsTo(date)) / 86400000.0;
}

QDateTime daysToDate(double days) {
    return kDateEpoch.addMSecs(static_cast<qint64>(std::llround(days * 86400000.0)));
}

QString doubleToText(double value) {
    QString text = QString::number(value, 'g', 15);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // 1e+20 -> 1E+20, 1e-05 -> 1E-05 as the platform writes it
        text[e] = QLatin1Char('E');
    }
    return text;
}

} // namespace

bool Variant::isNumber() const {
    switch (type()) {
    case Type::Boolean:
    case Type::Int16:
    case Type::Int32:
    case Type::Double:
        return true;
    default:
        return false;
    }
}

double Variant::toDouble() const {
    switch (type()) {
    case Type::Empty:
        return 0.0;
    case Type::Null:
        raiseNullUse();
    case Type::Boolean:
        return std::get<bool>(value_) ? -1.0 : 0.0;
    case Type::Int16:
        return std::get<std::int16_t>(value_);
    case Type::Int32:
        return std::get<std::int32_t>(value_);
    case Type::Double:
        return std::get<double>(value_);
    case Type::String: {
        const QString& text = std::get<QString>(value_);
        if (const auto number = vb::parseNumber(text))
            return *number;
        raiseTypeMismatch();
    }
    case Type::Date:
        return dateToDays(std::get<QDateTime>(value_));
    case Type::Object:
        break;
    }
    raiseTypeMismatch();
}

bool Variant::toBool() const {
    switch (type()) {
    case Type::Boolean:
        return std::get<bool>(value_);
    case Type::String:
        return vb::textToBool(std::get<QString>(value_));
    default:
        return toDouble() != 0.0;
    }
}

std::int16_t Variant::toInt16() const {
    return vb::cint(*this);
}
std::int32_t Variant::toInt32() const {
    return vb::clng(*this);
}

QString Variant::toString() const {
    switch (type()) {
    case Type::Empty:
        return {};
    case Type::Null:
        raiseNullUse();
    case Type::Boolean:
        return std::get<bool>(value_) ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Int16:
        return QString::number(std::get<std::int16_t>(value_));
    case Type::Int32:
        return QString::number(std::get<std::int32_t>(value_));
    case Type::Double:
        return doubleToText(std::get<double>(value_));
    case Type::String:
        return std::get<QString>(value_);
    case Type::Date: {
        const QDateTime& date = std::get<QDateTime>(value_);
        if (date.time() == QTime(0, 0))
            return date.date().toString(Qt::ISODate);
        return date.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    case Type::Object:
        break;
    }
    raiseTypeMismatch();
}

QDateTime Variant::toDate() const {
    switch (type()) {
    case Type::Date:
        return std::get<QDateTime>(value_);
    case Type::String: {
        const QString text = std::get<QString>(value_).trimmed();
        for (const auto& pattern : {QStringLiteral("yyyy-MM-dd hh:mm:ss"), QStringLiteral("yyyy-MM-dd"),
                                    QStringLiteral("yyyy/M/d H:mm:ss"), QStringLiteral("yyyy/M/d")}) {
            const QDateTime date = QDateTime::fromString(text, pattern);
            if (date.isValid())
                return date;
        }
        raiseTypeMismatch();
    }
    default:
        return daysToDate(toDouble());
    }
}

ObjectPtr Variant::toObject() const {
    switch (type()) {
    case Type::Empty:
        return {};
    case Type::Object:
        return std::get<ObjectPtr>(value_);
    default:
        raiseTypeMismatch();
    }
}

bool Variant::operator==(const Variant& other) const {
    return value_ == other.value_;
}

QString typeName(Variant::Type type) {
    static const char* const names[] = {"Empty",  "Null",   "Boolean", "Integer", "Long",
                                        "Double", "String", "Date",    "Object"};
    return QString::fromLatin1(names[static_cast<int>(type)]);
}

} // namespace zrk
