#pragma once

#include "core/roles/component_roles.h"
#include "platform/object.h"
#include "platform/settings_store.h"

#include <QByteArray>
#include <functional>

namespace zrk::suite {

// Where the suite keeps the secret that its programs share for enciphered launch parameters.
inline const QString kLaunchKeyPath = QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT");
inline const QString kLaunchKeyValue = QStringLiteral("LaunchKey");

// The shortest shared secret the decoder accepts, and how long a sealed text stays valid.
inline constexpr qsizetype kMinLaunchKeySize = 32;
inline constexpr qint64 kLaunchTextLifetimeMs = 60 * 1000;

// ExtParams.ParamDecoder: turns the enciphered launch parameters of another program of the
// suite into plain "key=value;" text. Algorithms by number:
//   0  the text is already plain;
//   1  Base64 of the UTF-8 text;
//   2  XChaCha20-Poly1305: Base64 (URL alphabet, no padding) of a 24-byte nonce and the sealed
//      text with its 16-byte tag; the sealed text is the time of sealing (milliseconds since
//      1970, 8 bytes big-endian) and the UTF-8 text. The key derives from the installation's
//      shared secret (machine value LaunchKey, at least 32 bytes); a text sealed more than a
//      minute before (or after) the decoder's clock is refused.
// Anything that does not decode raises an error naming the reason.
class ParamDecoder : public Object, public IParamDecoder {
public:
    // Milliseconds since 1970; the system clock unless a test gives another.
    using Clock = std::function<qint64()>;
    explicit ParamDecoder(SettingsStore store, Clock clock = {});

    QString getPlainParamList(const QString& text, std::int32_t algorithm) override;
    // The enciphering side, for the programs that start the console (a random nonce unless one
    // is given).
    QString encipher(const QString& plain, std::int32_t algorithm, const QByteArray& nonce = QByteArray());

private:
    QByteArray key() const;

    SettingsStore store_;
    Clock clock_;
};

// CloudLogin.Base64: Base64 of UTF-8 text (encode true) and back (encode false); text that is
// not Base64 raises an error.
class Base64Codec : public Object, public IBase64 {
public:
    QString getBase64(const QString& text, bool encode) override;
};

} // namespace zrk::suite
