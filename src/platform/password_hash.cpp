#include "platform/password_hash.h"

#include "platform/error.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>

namespace zrk {

QByteArray pbkdf2HmacSha256(const QByteArray& password, const QByteArray& salt, int iterations,
                            int keyLength) {
    if (iterations <= 0 || keyLength <= 0)
        throw Error(errnum::InvalidProcedureCall, QStringLiteral("zrkboss"),
                    QStringLiteral("PBKDF2 needs a positive iteration count and key length"));
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    QByteArray key;
    key.reserve(keyLength);
    for (quint32 block = 1; key.size() < keyLength; ++block) {
        // U1 = PRF(P, S || INT(block)), Ui = PRF(P, Ui-1); T = U1 xor ... xor Uc.
        const char counter[4] = {static_cast<char>(block >> 24), static_cast<char>(block >> 16),
                                 static_cast<char>(block >> 8), static_cast<char>(block)};
        mac.reset();
        mac.addData(salt);
        mac.addData(counter, 4);
        QByteArray u = mac.result();
        QByteArray t = u;
        for (int i = 1; i < iterations; ++i) {
            mac.reset();
            mac.addData(u);
            u = mac.result();
            for (qsizetype j = 0; j < t.size(); ++j)
                t[j] = static_cast<char>(t[j] ^ u[j]);
        }
        key.append(t.left(keyLength - key.size()));
    }
    return key;
}

QByteArray hashPassword(const QString& password, const QByteArray& salt, int iterations) {
    return pbkdf2HmacSha256(password.toUtf8(), salt, iterations, kPasswordHashLength);
}

bool verifyPassword(const QString& password, const QByteArray& salt, int iterations,
                    const QByteArray& storedHash) {
    if (storedHash.isEmpty() || iterations <= 0)
        return false;
    const QByteArray actual =
        pbkdf2HmacSha256(password.toUtf8(), salt, iterations, static_cast<int>(storedHash.size()));
    unsigned char diff = 0;
    for (qsizetype i = 0; i < storedHash.size(); ++i)
        diff |= static_cast<unsigned char>(actual[i] ^ storedHash[i]);
    return diff == 0;
}

} // namespace zrk
