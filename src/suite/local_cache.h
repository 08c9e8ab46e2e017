#pragma once

#include "core/roles/cache_facade.h"
#include "platform/object.h"

#include <map>
#include <memory>
#include <tuple>

namespace zrk::suite {

// LocalCache.CacheFacade: the client-side cache of the process. Items are kept by category,
// key and version (letter case ignored) and shared by every instance of one registration.
class LocalCache : public Object, public ICacheFacade {
public:
    struct ItemKey {
        QString category, key, version;
        bool operator<(const ItemKey& o) const {
            return std::tie(category, key, version) < std::tie(o.category, o.key, o.version);
        }
    };
    using Items = std::map<ItemKey, Variant>;
    explicit LocalCache(std::shared_ptr<Items> items) : items_(std::move(items)) {}

    void add(const QString& category, const QString& key, const Variant& value,
             const QString& version) override;
    // Removes the item under every version.
    void remove(const QString& category, const QString& key) override;
    // The item, else the default, else Empty.
    Variant getItem(const QString& category, const QString& key, const std::optional<Variant>& defaultValue,
                    const QString& version) override;
    void removeCategory(const QString& category) override;
    void removeAll() override;

private:
    std::shared_ptr<Items> items_;
};

} // namespace zrk::suite
