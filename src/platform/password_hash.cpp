#include "platform/password_hash.h"

#include <algorithm>

namespace zrk {

int clampedIterations(int storedIterations) {
    return std::clamp(storedIterations, kMinPasswordHashIterations, kMaxPasswordHashIterations);
}

QByteArray hashPassword(const QString& password, const QByteArray& salt, int iterations) {
    return pbkdf2HmacSha256(password.toUtf8(), salt, iterations, kPasswordHashLength);
}

QByteArray newPasswordSalt() {
    return randomBytes(kPasswordSaltLength);
}

bool verifyPassword(const QString& password, const QByteArray& salt, int iterations,
                    const QByteArray& storedHash) {
    if (storedHash.isEmpty() || iterations < kMinPasswordHashIterations)
        return false;
    const QByteArray actual = pbkdf2HmacSha256(password.toUtf8(), salt, clampedIterations(iterations),
                                               static_cast<int>(storedHash.size()));
    return equalInConstantTime(actual, storedHash);
}

} // namespace zrk
