#pragma once

#include <QByteArray>
#include <QString>

namespace zrk {

// Account-set users keep their passwords as a salted PBKDF2-HMAC-SHA256 digest: the user table
// stores the salt, the iteration count and the digest, never the password. The login dialog and
// the tools that create users go through these functions so that both sides agree.

inline constexpr int kPasswordHashIterations = 60000;
inline constexpr int kPasswordHashLength = 32;
inline constexpr int kPasswordSaltLength = 16;

// PBKDF2 (RFC 8018) with HMAC-SHA256 as the pseudo-random function. The password is used as
// given (callers pass UTF-8). Raises Error 5 for a non-positive iteration count or key length.
QByteArray pbkdf2HmacSha256(const QByteArray& password, const QByteArray& salt, int iterations,
                            int keyLength);

// The stored digest of a password: PBKDF2 over its UTF-8 bytes, kPasswordHashLength bytes.
QByteArray hashPassword(const QString& password, const QByteArray& salt,
                        int iterations = kPasswordHashIterations);

// True when the password produces the stored digest; the comparison takes the same time
// wherever the first difference lies. An empty stored digest never verifies.
bool verifyPassword(const QString& password, const QByteArray& salt, int iterations,
                    const QByteArray& storedHash);

} // namespace zrk
