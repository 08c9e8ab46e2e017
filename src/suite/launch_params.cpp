#include "suite/launch_params.h"

#include "platform/crypto.h"

#include <QDateTime>
#include <QMessageAuthenticationCode>
#include <QtEndian>

namespace zrk::suite {

namespace {

const QString kSource = QStringLiteral("ExtParams.ParamDecoder");
constexpr qsizetype kTimeSize = 8;
// Bound to the cipher text, so a text sealed for another purpose or layout never opens here.
const QByteArray kAdditionalData = QByteArrayLiteral("zrk-launch-v2");

[[noreturn]] void fail(const QString& reason) {
    throw Error(errnum::InvalidProcedureCall, kSource, reason);
}

// The cipher key: the shared secret through HMAC-SHA256, so the key has the cipher's size
// whatever the secret's length.
QByteArray derive(const QByteArray& secret, const char* purpose) {
    return QMessageAuthenticationCode::hash(QByteArray(purpose), secret, QCryptographicHash::Sha256);
}

// Base64 text (blanks around it allowed) to bytes; anything else raises an error of the source.
QByteArray decodeBase64(const QString& text, QByteArray::Base64Options options, const QString& source) {
    const QString trimmed = text.trimmed();
    const QByteArray raw = trimmed.toLatin1();
    const auto decoded =
        QString::fromLatin1(raw) == trimmed
            ? QByteArray::fromBase64Encoding(raw, options | QByteArray::AbortOnBase64DecodingErrors)
            : QByteArray::FromBase64Result{QByteArray(), QByteArray::Base64DecodingStatus::IllegalCharacter};
    if (!decoded)
        throw Error(errnum::InvalidProcedureCall, source, QStringLiteral("The text is not Base64"));
    return *decoded;
}

} // namespace

ParamDecoder::ParamDecoder(SettingsStore store, Clock clock)
    : store_(std::move(store)), clock_(std::move(clock)) {
    if (!clock_)
        clock_ = [] { return QDateTime::currentMSecsSinceEpoch(); };
}

QByteArray ParamDecoder::key() const {
    const QString text = store_.read(Hive::LocalMachine, kLaunchKeyPath, kLaunchKeyValue).toString();
    if (text.isEmpty())
        fail(QStringLiteral("No launch key is installed on this machine"));
    const QByteArray secret = text.toUtf8();
    if (secret.size() < kMinLaunchKeySize)
        fail(QStringLiteral("The launch key of this machine has %1 bytes; it needs at least %2")
                 .arg(secret.size())
                 .arg(kMinLaunchKeySize));
    return derive(secret, "zrk-launch-aead");
}

QString ParamDecoder::getPlainParamList(const QString& text, std::int32_t algorithm) {
    switch (algorithm) {
    case 0:
        return text;
    case 1:
        return QString::fromUtf8(decodeBase64(text, QByteArray::Base64Encoding, kSource));
    case 2: {
        const QByteArray sealed =
            decodeBase64(text, QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals, kSource);
        if (sealed.size() < kAeadNonceSize + kTimeSize + kAeadTagSize)
            fail(QStringLiteral("The launch parameters are too short"));
        const auto opened =
            aeadOpen(key(), sealed.left(kAeadNonceSize), sealed.mid(kAeadNonceSize), kAdditionalData);
        if (!opened)
            fail(QStringLiteral("The launch parameters do not decrypt with this machine's launch key"));
        // The time of sealing is inside the authenticated text: a text copied from a process
        // list or a log works for a minute at most.
        const qint64 sealedAt = qFromBigEndian<qint64>(opened->constData());
        const qint64 age = clock_() - sealedAt;
        if (age > kLaunchTextLifetimeMs || age < -kLaunchTextLifetimeMs)
            fail(QStringLiteral("The launch parameters were sealed %1 s from now; they are valid for %2 s")
                     .arg(age / 1000)
                     .arg(kLaunchTextLifetimeMs / 1000));
        return QString::fromUtf8(opened->mid(kTimeSize));
    }
    default:
        fail(QStringLiteral("Unknown launch-parameter algorithm %1").arg(algorithm));
    }
}

QString ParamDecoder::encipher(const QString& plain, std::int32_t algorithm, const QByteArray& nonce) {
    switch (algorithm) {
    case 0:
        return plain;
    case 1:
        return QString::fromLatin1(plain.toUtf8().toBase64());
    case 2: {
        const QByteArray n = nonce.isEmpty() ? randomBytes(kAeadNonceSize) : nonce;
        if (n.size() != kAeadNonceSize)
            fail(QStringLiteral("A nonce has %1 bytes").arg(kAeadNonceSize));
        QByteArray body(kTimeSize, Qt::Uninitialized);
        qToBigEndian<qint64>(clock_(), body.data());
        body += plain.toUtf8();
        return QString::fromLatin1(
            (n + aeadSeal(key(), n, body, kAdditionalData))
                .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
    }
    default:
        fail(QStringLiteral("Unknown launch-parameter algorithm %1").arg(algorithm));
    }
}

QString Base64Codec::getBase64(const QString& text, bool encode) {
    if (encode)
        return QString::fromLatin1(text.toUtf8().toBase64());
    return QString::fromUtf8(
        decodeBase64(text, QByteArray::Base64Encoding, QStringLiteral("CloudLogin.Base64")));
}

} // namespace zrk::suite
