#pragma once

#include "platform/crypto.h"

#include <QByteArray>
#include <QString>

namespace zrk {

// Account-set users keep their passwords as a salted PBKDF2-HMAC-SHA256 digest: the user table
// stores the salt, the iteration count and the digest, never the password. The login dialog and
// the tools that create users go through these functions so that both sides agree.

// The work of a new digest (current guidance for PBKDF2-HMAC-SHA256). A stored digest made with
// fewer iterations is replaced after the next successful login.
inline constexpr int kPasswordHashIterations = 600000;
// The iteration counts a stored row may ask for: a damaged count beyond them is clamped, so it
// can neither freeze the login nor skip the work.
inline constexpr int kMinPasswordHashIterations = 1;
inline constexpr int kMaxPasswordHashIterations = 2000000;
inline constexpr int kPasswordHashLength = 32;
inline constexpr int kPasswordSaltLength = 16;

// A stored iteration count brought into [kMinPasswordHashIterations, kMaxPasswordHashIterations].
int clampedIterations(int storedIterations);

// The stored digest of a password: PBKDF2 over its UTF-8 bytes, kPasswordHashLength bytes.
QByteArray hashPassword(const QString& password, const QByteArray& salt,
                        int iterations = kPasswordHashIterations);

// A new random salt for hashPassword.
QByteArray newPasswordSalt();

// True when the password produces the stored digest with the stored (clamped) iteration count;
// the comparison takes the same time wherever the first difference lies. An empty stored digest
// or a count below one never verifies.
bool verifyPassword(const QString& password, const QByteArray& salt, int iterations,
                    const QByteArray& storedHash);

} // namespace zrk
