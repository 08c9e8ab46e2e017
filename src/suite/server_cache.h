#pragma once

#include "core/roles/component_roles.h"
#include "platform/object.h"

#include <map>
#include <memory>

namespace zrk::suite {

// ServerCache.CacheFacade: values by category, name and version, shared by every instance of
// one registration. Names and categories compare without regard to letter case.
class ServerCache : public Object, public IServerCache {
public:
    using Items = std::map<QString, Variant>; // keyed by "CATEGORY\nNAME\nVERSION" in upper case
    explicit ServerCache(std::shared_ptr<Items> items) : items_(std::move(items)) {}

    void add(const QString& category, const QString& name, const Variant& value,
             const QString& version) override;
    // The stored value, or the default when there is none.
    Variant getItem(const QString& name, const QString& category, const Variant& defaultValue,
                    const QString& version) override;

private:
    std::shared_ptr<Items> items_;
};

} // namespace zrk::suite
