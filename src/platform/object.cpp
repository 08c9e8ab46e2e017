#include "platform/object.h"

namespace zrk {

void raiseLacksRole(const Object* object, const char* role) {
    if (!object)
        throw Error(errnum::ObjectVariableNotSet, QStringLiteral("zrkboss"),
                    QStringLiteral("Object variable not set"));
    const QString source = object->progId().isEmpty() ? QStringLiteral("zrkboss") : object->progId();
    throw Error(
        errnum::ObjectLacksMember, source,
        QStringLiteral("Object doesn't support this property or method (%1)").arg(QString::fromLatin1(role)));
}

} // namespace zrk
