#include "launch/bus_values.h"

#include <QDBusArgument>
#include <QDBusVariant>
#include <limits>

namespace zrk {

namespace {

const QString kBusSource = QStringLiteral("zrkboss");

Variant integerFromBus(qlonglong value, const QString& key) {
    if (value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max())
        return Variant(static_cast<std::int16_t>(value));
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max())
        return Variant(static_cast<std::int32_t>(value));
    throw Error(errnum::Overflow, kBusSource,
                QStringLiteral("The value of \"%1\" does not fit a 32-bit integer").arg(key));
}

} // namespace

Variant variantFromBus(const QVariant& value, const QString& key) {
    if (value.metaType() == QMetaType::fromType<QDBusVariant>())
        return variantFromBus(value.value<QDBusVariant>().variant(), key);
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return Variant(value.toBool());
    case QMetaType::QString:
        return Variant(value.toString());
    case QMetaType::Double:
        return Variant(value.toDouble());
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return integerFromBus(value.toLongLong(), key);
    case QMetaType::ULongLong:
        if (value.toULongLong() > static_cast<qulonglong>(std::numeric_limits<std::int32_t>::max()))
            return integerFromBus(std::numeric_limits<qlonglong>::max(), key);
        return integerFromBus(value.toLongLong(), key);
    default:
        throw Error(
            errnum::TypeMismatch, kBusSource,
            QStringLiteral("The value of \"%1\" is not a boolean, an integer, a double or a text (%2)")
                .arg(key, value.metaType().id() == qMetaTypeId<QDBusArgument>()
                              ? value.value<QDBusArgument>().currentSignature()
                              : QString::fromLatin1(value.metaType().name())));
    }
}

DictionaryPtr dictionaryFromBus(const QVariantMap& map) {
    auto dictionary = std::make_shared<Dictionary>();
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        dictionary->set(it.key(), variantFromBus(it.value(), it.key()));
    return dictionary;
}

QString busErrorMessage(const Error& error) {
    return QStringLiteral("number: %1\nsource: %2\ndescription: %3")
        .arg(error.number())
        .arg(error.source(), error.description());
}

} // namespace zrk
