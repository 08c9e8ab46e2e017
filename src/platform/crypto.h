#pragma once

#include <QByteArray>
#include <optional>

namespace zrk {

// The console's cryptography, all of it from libraries: PBKDF2 from OpenSSL's libcrypto, the
// authenticated cipher and the random bytes from libsodium. Nothing here is hand-made; these
// functions only adapt the libraries to QByteArray and to the platform's errors.

// PBKDF2 (RFC 8018) with HMAC-SHA256. Raises Error 5 for a non-positive iteration count or key
// length, or when the library refuses.
QByteArray pbkdf2HmacSha256(const QByteArray& password, const QByteArray& salt, int iterations,
                            int keyLength);

// XChaCha20-Poly1305 (IETF construction): a 32-byte key, a 24-byte nonce that is never used twice
// with the same key, additional data that is authenticated but not enciphered.
inline constexpr qsizetype kAeadKeySize = 32;
inline constexpr qsizetype kAeadNonceSize = 24;
inline constexpr qsizetype kAeadTagSize = 16;

// The cipher text followed by the 16-byte tag. Raises Error 5 for a key or nonce of the wrong size.
QByteArray aeadSeal(const QByteArray& key, const QByteArray& nonce, const QByteArray& plain,
                    const QByteArray& additionalData = QByteArray());
// The plain text, or none when the text was not sealed with this key, nonce and additional data
// (or was changed since). Raises Error 5 for a key or nonce of the wrong size.
std::optional<QByteArray> aeadOpen(const QByteArray& key, const QByteArray& nonce, const QByteArray& sealed,
                                   const QByteArray& additionalData = QByteArray());

// Bytes from the system's cryptographic random source.
QByteArray randomBytes(qsizetype count);

// True when both are equal; takes the same time wherever the first difference lies.
bool equalInConstantTime(const QByteArray& a, const QByteArray& b);

} // namespace zrk
