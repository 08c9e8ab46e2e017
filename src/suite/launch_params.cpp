#include "suite/launch_params.h"

#include "platform/chacha20.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace zrk::suite {

namespace {

const QString kSource = QStringLiteral("ExtParams.ParamDecoder");
constexpr qsizetype kNonceSize = 12;
constexpr qsizetype kTagSize = 32;

[[noreturn]] void fail(const QString& reason) {
    throw Error(errnum::InvalidProcedureCall, kSource, reason);
}

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

QByteArray ParamDecoder::secret() const {
    const QString key = store_.read(Hive::LocalMachine, kLaunchKeyPath, kLaunchKeyValue).toString();
    if (key.isEmpty())
        fail(QStringLiteral("No launch key is installed on this machine"));
    return key.toUtf8();
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
        if (sealed.size() < kNonceSize + kTagSize)
            fail(QStringLiteral("The launch parameters are too short"));
        const QByteArray secretKey = secret();
        const QByteArray body = sealed.left(sealed.size() - kTagSize);
        const QByteArray tag = sealed.right(kTagSize);
        const QByteArray expected = QMessageAuthenticationCode::hash(
            body, derive(secretKey, "zrk-launch-mac"), QCryptographicHash::Sha256);
        // Compare in constant time: the tag says whether the text is genuine.
        unsigned char difference = 0;
        for (qsizetype i = 0; i < kTagSize; ++i)
            difference |= static_cast<unsigned char>(tag[i] ^ expected[i]);
        if (difference != 0)
            fail(QStringLiteral("The launch parameters do not decrypt with this machine's launch key"));
        return QString::fromUtf8(
            chacha20(derive(secretKey, "zrk-launch-enc"), body.left(kNonceSize), 1, body.mid(kNonceSize)));
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
        QByteArray n = nonce;
        if (n.isEmpty()) {
            n.resize(kNonceSize);
            QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(n.data()), kNonceSize / 4);
        }
        if (n.size() != kNonceSize)
            fail(QStringLiteral("A nonce has 12 bytes"));
        const QByteArray secretKey = secret();
        const QByteArray body = n + chacha20(derive(secretKey, "zrk-launch-enc"), n, 1, plain.toUtf8());
        const QByteArray tag = QMessageAuthenticationCode::hash(body, derive(secretKey, "zrk-launch-mac"),
                                                                QCryptographicHash::Sha256);
        return QString::fromLatin1(
            (body + tag).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
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
