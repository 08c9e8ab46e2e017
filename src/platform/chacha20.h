#pragma once

#include <QByteArray>
#include <cstdint>

namespace zrk {

// The ChaCha20 stream cipher (RFC 8439): XORs the data with the key stream of a 32-byte key, a
// 12-byte nonce and a starting block counter. Encrypting and decrypting are the same call.
QByteArray chacha20(const QByteArray& key, const QByteArray& nonce, std::uint32_t counter,
                    const QByteArray& data);

} // namespace zrk
