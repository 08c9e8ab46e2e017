#pragma once

#include "core/roles/cache_facade.h"
#include "platform/dictionary.h"
#include "platform/object.h"

#include <memory>

namespace zrk {

class ConsoleContext;

inline const QString kLocalCacheProgId = QStringLiteral("LocalCache.CacheFacade");
inline const QString kCacheWrapperSource = QStringLiteral("QvMain.CacheWrapper");

// The console's view of the suite's cache: every category is made private to this process
// ("<pid>_<category>"), and every store is recorded in the process's entry list. Plain values
// stored without a version live only in that list; objects and versioned values go to the
// cache component, created on first need. Only call level 1 (the console's own clean-up) may
// remove whole categories or everything.
class CacheWrapper : public Object, public ICacheFacade {
public:
    explicit CacheWrapper(ConsoleContext& ctx, int callLevel = 0) : ctx_(ctx), callLevel_(callLevel) {}

    void setCallLevel(int level) { callLevel_ = level; }

    void add(const QString& category, const QString& key, const Variant& value,
             const QString& version) override;
    void remove(const QString& category, const QString& key) override;
    Variant getItem(const QString& category, const QString& key,
                    const std::optional<Variant>& defaultValue = std::nullopt,
                    const QString& version = QString()) override;
    void removeCategory(const QString& category) override;
    void removeAll() override;

    // The category as this process stores it.
    QString qualified(const QString& category) const;

private:
    ICacheFacade& component();
    // Index of the first entry of the qualified category and key (letter case ignored), or -1.
    int findEntry(const QString& qualifiedCategory, const QString& key) const;

    ConsoleContext& ctx_;
    int callLevel_;
    std::shared_ptr<ICacheFacade> component_;
};

} // namespace zrk
