#include "platform/crypto.h"

#include "platform/error.h"

#include <openssl/evp.h>
#include <sodium.h>

namespace zrk {

namespace {

const QString kSource = QStringLiteral("zrkboss");

[[noreturn]] void refuse(const QString& what) {
    throw Error(errnum::InvalidProcedureCall, kSource, what);
}

const unsigned char* bytes(const QByteArray& data) {
    return reinterpret_cast<const unsigned char*>(data.constData());
}

// libsodium must be initialised once before use; sodium_init is safe to call again and from
// several threads.
void ensureSodium() {
    if (sodium_init() < 0)
        refuse(QStringLiteral("The cryptography library cannot be initialised"));
}

void checkAeadSizes(const QByteArray& key, const QByteArray& nonce) {
    static_assert(kAeadKeySize == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);
    static_assert(kAeadNonceSize == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
    static_assert(kAeadTagSize == crypto_aead_xchacha20poly1305_ietf_ABYTES);
    if (key.size() != kAeadKeySize)
        refuse(QStringLiteral("The cipher key has %1 bytes, not %2").arg(key.size()).arg(kAeadKeySize));
    if (nonce.size() != kAeadNonceSize)
        refuse(QStringLiteral("The nonce has %1 bytes, not %2").arg(nonce.size()).arg(kAeadNonceSize));
}

} // namespace

QByteArray pbkdf2HmacSha256(const QByteArray& password, const QByteArray& salt, int iterations,
                            int keyLength) {
    if (iterations <= 0 || keyLength <= 0)
        refuse(QStringLiteral("PBKDF2 needs a positive iteration count and key length"));
    QByteArray key(keyLength, Qt::Uninitialized);
    if (PKCS5_PBKDF2_HMAC(password.constData(), static_cast<int>(password.size()), bytes(salt),
                          static_cast<int>(salt.size()), iterations, EVP_sha256(), keyLength,
                          reinterpret_cast<unsigned char*>(key.data())) != 1)
        refuse(QStringLiteral("PBKDF2 failed in the cryptography library"));
    return key;
}

QByteArray aeadSeal(const QByteArray& key, const QByteArray& nonce, const QByteArray& plain,
                    const QByteArray& additionalData) {
    checkAeadSizes(key, nonce);
    ensureSodium();
    QByteArray sealed(plain.size() + kAeadTagSize, Qt::Uninitialized);
    unsigned long long length = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        reinterpret_cast<unsigned char*>(sealed.data()), &length, bytes(plain),
        static_cast<unsigned long long>(plain.size()), bytes(additionalData),
        static_cast<unsigned long long>(additionalData.size()), nullptr, bytes(nonce), bytes(key));
    sealed.resize(static_cast<qsizetype>(length));
    return sealed;
}

std::optional<QByteArray> aeadOpen(const QByteArray& key, const QByteArray& nonce, const QByteArray& sealed,
                                   const QByteArray& additionalData) {
    checkAeadSizes(key, nonce);
    ensureSodium();
    if (sealed.size() < kAeadTagSize)
        return std::nullopt;
    QByteArray plain(sealed.size() - kAeadTagSize, Qt::Uninitialized);
    unsigned long long length = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            reinterpret_cast<unsigned char*>(plain.data()), &length, nullptr, bytes(sealed),
            static_cast<unsigned long long>(sealed.size()), bytes(additionalData),
            static_cast<unsigned long long>(additionalData.size()), bytes(nonce), bytes(key)) != 0)
        return std::nullopt;
    plain.resize(static_cast<qsizetype>(length));
    return plain;
}

QByteArray randomBytes(qsizetype count) {
    ensureSodium();
    QByteArray data(count, Qt::Uninitialized);
    randombytes_buf(data.data(), static_cast<size_t>(count));
    return data;
}

bool equalInConstantTime(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    ensureSodium();
    return a.isEmpty() || sodium_memcmp(a.constData(), b.constData(), static_cast<size_t>(a.size())) == 0;
}

} // namespace zrk
