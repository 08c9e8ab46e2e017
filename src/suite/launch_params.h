#pragma once

#include "core/roles/component_roles.h"
#include "platform/object.h"
#include "platform/settings_store.h"

#include <QByteArray>

namespace zrk::suite {

// Where the suite keeps the secret that its programs share for enciphered launch parameters.
inline const QString kLaunchKeyPath = QStringLiteral("SOFTWARE\\QUORVEL\\ZRKPRODUCT");
inline const QString kLaunchKeyValue = QStringLiteral("LaunchKey");

// ExtParams.ParamDecoder: turns the enciphered launch parameters of another program of the
// suite into plain "key=value;" text. Algorithms by number:
//   0  the text is already plain;
//   1  Base64 of the UTF-8 text;
//   2  ChaCha20 with an HMAC-SHA256 tag (encrypt-then-MAC): Base64 (URL alphabet, no padding)
//      of a 12-byte nonce, the cipher text and the 32-byte tag over nonce and cipher text; the
//      keys are derived from the installation's shared secret (machine value LaunchKey).
// Anything that does not decode raises an error naming the reason.
class ParamDecoder : public Object, public IParamDecoder {
public:
    explicit ParamDecoder(SettingsStore store) : store_(std::move(store)) {}

    QString getPlainParamList(const QString& text, std::int32_t algorithm) override;
    // The enciphering side, for the programs that start the console.
    QString encipher(const QString& plain, std::int32_t algorithm, const QByteArray& nonce = QByteArray());

private:
    QByteArray secret() const;

    SettingsStore store_;
};

// CloudLogin.Base64: Base64 of UTF-8 text (encode true) and back (encode false); text that is
// not Base64 raises an error.
class Base64Codec : public Object, public IBase64 {
public:
    QString getBase64(const QString& text, bool encode) override;
};

} // namespace zrk::suite
