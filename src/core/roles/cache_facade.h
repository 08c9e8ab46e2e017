#pragma once

#include "platform/variant.h"

#include <QString>
#include <optional>

namespace zrk {

// The cache interface shared by the console's cache wrapper and the suite's client-side cache
// component (LocalCache.CacheFacade).
class ICacheFacade {
public:
    virtual ~ICacheFacade() = default;
    virtual void add(const QString& category, const QString& key, const Variant& value,
                     const QString& version) = 0;
    virtual void remove(const QString& category, const QString& key) = 0;
    virtual Variant getItem(const QString& category, const QString& key,
                            const std::optional<Variant>& defaultValue = std::nullopt,
                            const QString& version = QString()) = 0;
    virtual void removeCategory(const QString& category) = 0;
    virtual void removeAll() = 0;
};

} // namespace zrk
