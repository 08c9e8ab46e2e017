#include "suite/prop_store.h"

namespace zrk::suite {

void PropStore::addProperty(std::int32_t processId, const QString& name, const Variant& value) {
    (*sets_)[processId].set(name, value);
}

Variant PropStore::getProperty(std::int32_t processId, const QString& name) {
    const auto it = sets_->find(processId);
    return it == sets_->end() ? Variant() : it->second.item(name);
}

void PropStore::delProperty(std::int32_t processId, const QString& name, Variant& /*reserved*/) {
    const auto it = sets_->find(processId);
    if (it != sets_->end())
        it->second.remove(name);
}

} // namespace zrk::suite
