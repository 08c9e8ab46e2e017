#pragma once

#include "core/roles/component_roles.h"
#include "platform/dictionary.h"
#include "platform/object.h"

#include <map>
#include <memory>

namespace zrk::suite {

// SharedProps.PropStore: one property set per process id. Every instance made by one
// registration shares the same sets, so whatever one component publishes, all others read.
class PropStore : public Object, public IPropStore {
public:
    using Sets = std::map<std::int32_t, Dictionary>;
    explicit PropStore(std::shared_ptr<Sets> sets) : sets_(std::move(sets)) {}

    void addProperty(std::int32_t processId, const QString& name, const Variant& value) override;
    Variant getProperty(std::int32_t processId, const QString& name) override;
    void delProperty(std::int32_t processId, const QString& name, Variant& reserved) override;

private:
    std::shared_ptr<Sets> sets_;
};

} // namespace zrk::suite
