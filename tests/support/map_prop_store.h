#pragma once

#include "core/roles/component_roles.h"
#include "platform/object.h"

#include <map>

namespace zrk::test {

// The session properties of the one process a test is, kept in a map the test reads and writes.
class MapPropStore : public Object, public IPropStore {
public:
    explicit MapPropStore(std::map<QString, Variant>& props) : props_(props) {}
    void addProperty(std::int32_t, const QString& name, const Variant& value) override {
        props_[name] = value;
    }
    Variant getProperty(std::int32_t, const QString& name) override {
        const auto it = props_.find(name);
        return it == props_.end() ? Variant() : it->second;
    }
    void delProperty(std::int32_t, const QString& name, Variant&) override { props_.erase(name); }

private:
    std::map<QString, Variant>& props_;
};

} // namespace zrk::test
