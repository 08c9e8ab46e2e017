#include "suite/server_cache.h"

namespace zrk::suite {

namespace {
QString itemKey(const QString& category, const QString& name, const QString& version) {
    return (category + QLatin1Char('\n') + name + QLatin1Char('\n') + version).toUpper();
}
} // namespace

void ServerCache::add(const QString& category, const QString& name, const Variant& value,
                      const QString& version) {
    (*items_)[itemKey(category, name, version)] = value;
}

Variant ServerCache::getItem(const QString& name, const QString& category, const Variant& defaultValue,
                             const QString& version) {
    const auto it = items_->find(itemKey(category, name, version));
    return it == items_->end() ? defaultValue : it->second;
}

} // namespace zrk::suite
