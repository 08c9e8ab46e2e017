#include "launch/cache_wrapper.h"

#include "core/console_context.h"
#include "platform/component_registry.h"

namespace zrk {

namespace {
const QString kCategory = QStringLiteral("Category");
const QString kKey = QStringLiteral("Key");
const QString kIsObject = QStringLiteral("IsObject");
const QString kValue = QStringLiteral("Value");

bool sameText(const Variant& stored, const QString& text) {
    return stored.type() == Variant::Type::String &&
           stored.toString().compare(text, Qt::CaseInsensitive) == 0;
}
} // namespace

QString CacheWrapper::qualified(const QString& category) const {
    return QString::number(ctx_.session().processId) + QLatin1Char('_') + category;
}

ICacheFacade& CacheWrapper::component() {
    if (!component_)
        component_ =
            queryInterface<ICacheFacade>(createComponent(ctx_.components(), kLocalCacheProgId, true));
    return *component_;
}

int CacheWrapper::findEntry(const QString& qualifiedCategory, const QString& key) const {
    const auto& entries = ctx_.cache().entries;
    for (size_t i = 0; i < entries.size(); ++i)
        if (sameText(entries[i]->item(kCategory), qualifiedCategory) && sameText(entries[i]->item(kKey), key))
            return static_cast<int>(i);
    return -1;
}

void CacheWrapper::add(const QString& category, const QString& key, const Variant& value,
                       const QString& version) {
    const QString cat = qualified(category);
    const bool isObject = value.isObject();
    const bool plain = !isObject && version.isEmpty();
    if (!plain)
        component().add(cat, key, value, version);
    const int index = findEntry(cat, key);
    DictionaryPtr entry;
    if (index >= 0) {
        entry = ctx_.cache().entries[static_cast<size_t>(index)];
    } else {
        entry = std::make_shared<Dictionary>();
        entry->set(kCategory, cat);
        entry->set(kKey, key);
        ctx_.cache().entries.push_back(entry);
    }
    entry->set(kIsObject, isObject);
    if (plain)
        entry->set(kValue, value);
}

Variant CacheWrapper::getItem(const QString& category, const QString& key,
                              const std::optional<Variant>& defaultValue, const QString& version) {
    const QString cat = qualified(category);
    const int index = findEntry(cat, key);
    const DictionaryPtr entry = index >= 0 ? ctx_.cache().entries[static_cast<size_t>(index)] : nullptr;
    bool isObject = false;
    if (entry) {
        const Variant flag = entry->value(kIsObject, false);
        isObject = flag.type() == Variant::Type::Boolean && flag.toBool();
    } else if (defaultValue) {
        isObject = defaultValue->isObject();
    }
    if (!isObject && version.isEmpty()) {
        if (entry)
            return entry->item(kValue);
        if (defaultValue)
            return *defaultValue;
        throw Error(errnum::InvalidProcedureCall, kCacheWrapperSource,
                    QStringLiteral("Could not find cached item \"") + key + QStringLiteral("\"!"));
    }
    return component().getItem(cat, key, defaultValue, version);
}

void CacheWrapper::remove(const QString& category, const QString& key) {
    const QString cat = qualified(category);
    const int index = findEntry(cat, key);
    if (index < 0)
        return;
    component().remove(cat, key);
    ctx_.cache().entries.erase(ctx_.cache().entries.begin() + index);
}

void CacheWrapper::removeCategory(const QString& category) {
    if (callLevel_ != 1)
        return;
    const QString cat = qualified(category);
    auto& entries = ctx_.cache().entries;
    for (size_t i = entries.size(); i-- > 0;) {
        if (!sameText(entries[i]->item(kCategory), cat))
            continue;
        if (!entries[i]->contains(kValue))
            component().remove(cat, entries[i]->item(kKey).toString());
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void CacheWrapper::removeAll() {
    if (callLevel_ != 1)
        return;
    for (const DictionaryPtr& entry : ctx_.cache().entries)
        if (!entry->contains(kValue))
            component().remove(entry->item(kCategory).toString(), entry->item(kKey).toString());
    ctx_.cache().entries.clear();
}

} // namespace zrk
