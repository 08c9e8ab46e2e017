#include "platform/chacha20.h"

#include "platform/error.h"

#include <array>
#include <bit>

namespace zrk {

namespace {

std::uint32_t load32(const char* p) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(p[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(p[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(p[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(p[3])) << 24;
}

void quarterRound(std::array<std::uint32_t, 16>& s, int a, int b, int c, int d) {
    s[a] += s[b];
    s[d] = std::rotl(s[d] ^ s[a], 16);
    s[c] += s[d];
    s[b] = std::rotl(s[b] ^ s[c], 12);
    s[a] += s[b];
    s[d] = std::rotl(s[d] ^ s[a], 8);
    s[c] += s[d];
    s[b] = std::rotl(s[b] ^ s[c], 7);
}

std::array<unsigned char, 64> block(const std::array<std::uint32_t, 16>& input) {
    std::array<std::uint32_t, 16> s = input;
    for (int round = 0; round < 10; ++round) {
        quarterRound(s, 0, 4, 8, 12);
        quarterRound(s, 1, 5, 9, 13);
        quarterRound(s, 2, 6, 10, 14);
        quarterRound(s, 3, 7, 11, 15);
        quarterRound(s, 0, 5, 10, 15);
        quarterRound(s, 1, 6, 11, 12);
        quarterRound(s, 2, 7, 8, 13);
        quarterRound(s, 3, 4, 9, 14);
    }
    std::array<unsigned char, 64> out{};
    for (int i = 0; i < 16; ++i) {
        const std::uint32_t word = s[i] + input[i];
        for (int b = 0; b < 4; ++b)
            out[i * 4 + b] = static_cast<unsigned char>(word >> (8 * b));
    }
    return out;
}

} // namespace

QByteArray chacha20(const QByteArray& key, const QByteArray& nonce, std::uint32_t counter,
                    const QByteArray& data) {
    if (key.size() != 32 || nonce.size() != 12)
        throw Error(errnum::InvalidProcedureCall, QStringLiteral("zrkboss"),
                    QStringLiteral("ChaCha20 needs a 32-byte key and a 12-byte nonce"));
    std::array<std::uint32_t, 16> state{0x61707865, 0x3320646e, 0x79622d32, 0x6b206574};
    for (int i = 0; i < 8; ++i)
        state[4 + i] = load32(key.constData() + 4 * i);
    state[12] = counter;
    for (int i = 0; i < 3; ++i)
        state[13 + i] = load32(nonce.constData() + 4 * i);

    QByteArray out = data;
    for (qsizetype offset = 0; offset < out.size(); offset += 64) {
        const auto stream = block(state);
        ++state[12];
        for (qsizetype i = 0; i < 64 && offset + i < out.size(); ++i)
            out[offset + i] =
                static_cast<char>(out[offset + i] ^ static_cast<char>(stream[static_cast<size_t>(i)]));
    }
    return out;
}

} // namespace zrk
