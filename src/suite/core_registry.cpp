#include "suite/core_registry.h"

#include "suite/user_profile.h"

namespace zrk::suite {

RegistryKey CoreRegistry::parse(const QString& key) const {
    const auto parsed = parseRegistryKey(key);
    if (!parsed)
        throw Error(errnum::InvalidProcedureCall, QStringLiteral("CoreObjects.Registry"),
                    QStringLiteral("Unsupported registry key: ") + key);
    return *parsed;
}

Variant CoreRegistry::getKeyValue(const QString& key, const QString& valueName, const QString& flag) {
    const RegistryKey parsed = parse(key);
    const Variant value = store_.read(parsed.hive, parsed.path, valueName);
    if (value.isEmpty())
        return QString();
    return flag == QLatin1String("1") ? Variant(value.toString()) : value;
}

void CoreRegistry::setKeyValue(const QString& key, const QString& valueName, const Variant& value) {
    const RegistryKey parsed = parse(key);
    store_.write(parsed.hive, parsed.path, valueName, value);
}

void CoreRegistry::deleteValue(const QString& key, const QString& valueName) {
    const RegistryKey parsed = parse(key);
    store_.remove(parsed.hive, parsed.path, valueName);
}

void CoreRegistry::saveSetting(const QString& application, const QString& section, const QString& key,
                               const Variant& value) {
    store_.write(Hive::CurrentUser, userSettingKeyPath(application, section), key, value);
}

QString CoreRegistry::formatText(const QString& pattern, const QList<Variant>& values) {
    return formatPlaceholders(pattern, values);
}

QString formatPlaceholders(const QString& pattern, const QList<Variant>& values) {
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c != QLatin1Char('%') || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        if (pattern[i + 1] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        // The longest run of at most two digits that names a value.
        int taken = 0;
        int index = 0;
        for (int n = 1; n <= 2 && i + n < pattern.size() && pattern[i + n].isDigit(); ++n) {
            const int candidate = pattern.mid(i + 1, n).toInt();
            if (candidate >= 1 && candidate <= values.size()) {
                taken = n;
                index = candidate;
            }
        }
        if (taken == 0) {
            out += c;
            continue;
        }
        const Variant& value = values[index - 1];
        out += value.isNull() ? QString() : value.toString();
        i += taken;
    }
    return out;
}

} // namespace zrk::suite
