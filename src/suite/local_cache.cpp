#include "suite/local_cache.h"

#include <algorithm>

namespace zrk::suite {

namespace {
LocalCache::ItemKey keyOf(const QString& category, const QString& key, const QString& version) {
    return {category.toUpper(), key.toUpper(), version.toUpper()};
}
} // namespace

void LocalCache::add(const QString& category, const QString& key, const Variant& value,
                     const QString& version) {
    (*items_)[keyOf(category, key, version)] = value;
}

void LocalCache::remove(const QString& category, const QString& key) {
    const ItemKey wanted = keyOf(category, key, QString());
    std::erase_if(*items_, [&wanted](const auto& item) {
        return item.first.category == wanted.category && item.first.key == wanted.key;
    });
}

Variant LocalCache::getItem(const QString& category, const QString& key,
                            const std::optional<Variant>& defaultValue, const QString& version) {
    const auto it = items_->find(keyOf(category, key, version));
    if (it != items_->end())
        return it->second;
    return defaultValue.value_or(Variant());
}

void LocalCache::removeCategory(const QString& category) {
    const QString wanted = category.toUpper();
    std::erase_if(*items_, [&wanted](const auto& item) { return item.first.category == wanted; });
}

void LocalCache::removeAll() {
    items_->clear();
}

} // namespace zrk::suite
