#pragma once

#include "platform/error.h"

#include <QString>
#include <memory>
#include <typeinfo>

namespace zrk {

// The base of every component. A component plays one or more roles, each an abstract interface
// that it inherits; callers ask for a role with queryInterface.
class Object {
public:
    virtual ~Object() = default;

    // The ProgID the component was created by ("" for objects made directly).
    const QString& progId() const { return progId_; }
    void setProgId(QString progId) { progId_ = std::move(progId); }

private:
    QString progId_;
};

using ObjectPtr = std::shared_ptr<Object>;

// Raises error 438 for an object that lacks the asked-for role, and error 91 for no object.
[[noreturn]] void raiseLacksRole(const Object* object, const char* role);

// Asks an object for one of its roles. An object without that role raises error 438, as a
// late-bound call of a member the object does not have does.
template <class Role> std::shared_ptr<Role> queryInterface(const ObjectPtr& object) {
    if (auto role = std::dynamic_pointer_cast<Role>(object))
        return role;
    raiseLacksRole(object.get(), typeid(Role).name());
}

// The same without raising: none when the object lacks the role.
template <class Role> std::shared_ptr<Role> tryInterface(const ObjectPtr& object) {
    return std::dynamic_pointer_cast<Role>(object);
}

} // namespace zrk
