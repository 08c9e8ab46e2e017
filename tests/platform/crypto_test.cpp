#include "platform/crypto.h"
#include "platform/error.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

// PBKDF2-HMAC-SHA256 vectors in the style of RFC 6070 (the same passwords, salts and counts,
// with SHA-256 as the hash), as published for the SHA-256 variant.
TEST(Crypto, Pbkdf2MatchesThePublishedVectors) {
    struct Vector {
        QByteArray password;
        QByteArray salt;
        int iterations;
        int length;
        const char* hex;
    };
    const Vector vectors[] = {
        {"password", "salt", 1, 32, "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b"},
        {"password", "salt", 2, 32, "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43"},
        {"password", "salt", 4096, 32, "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a"},
        {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 40,
         "348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1c635518c7dac47e9"},
        {QByteArray("pass\0word", 9), QByteArray("sa\0lt", 5), 4096, 16, "89b69d0516f829893c696226650a8687"},
    };
    for (const Vector& v : vectors)
        EXPECT_EQ(pbkdf2HmacSha256(v.password, v.salt, v.iterations, v.length).toHex(), QByteArray(v.hex))
            << v.password.toStdString() << " / " << v.iterations;
    EXPECT_THROW(pbkdf2HmacSha256("pw", "salt", 0, 32), Error);
    EXPECT_THROW(pbkdf2HmacSha256("pw", "salt", 1, 0), Error);
}

// draft-irtf-cfrg-xchacha, appendix A.3.1 (the vector libsodium's tests use as well).
struct XChaChaVector {
    QByteArray key = QByteArray::fromHex("808182838485868788898a8b8c8d8e8f909192939495969798999a9b9c9d9e9f");
    QByteArray nonce = QByteArray::fromHex("404142434445464748494a4b4c4d4e4f5051525354555657");
    QByteArray additionalData = QByteArray::fromHex("50515253c0c1c2c3c4c5c6c7");
    QByteArray plain = "Ladies and Gentlemen of the class of '99: If I could offer you only one tip for the "
                       "future, sunscreen would be it.";
    QByteArray cipher = QByteArray::fromHex(
        "bd6d179d3e83d43b9576579493c0e939572a1700252bfaccbed2902c21396cbb731c7f1b0b4aa6440bf3a82f4eda7e39"
        "ae64c6708c54c216cb96b72e1213b4522f8c9ba40db5d945b11b69b982c1bb9e3f3fac2bc369488f76b2383565d3fff9"
        "21f9664c97637da9768812f615c68b13b52e");
    QByteArray tag = QByteArray::fromHex("c0875924c1c7987947deafd8780acf49");
};

TEST(Crypto, XChaCha20Poly1305MatchesThePublishedVector) {
    const XChaChaVector v;
    const QByteArray sealed = aeadSeal(v.key, v.nonce, v.plain, v.additionalData);
    EXPECT_EQ(sealed.toHex(), (v.cipher + v.tag).toHex());
    EXPECT_EQ(aeadOpen(v.key, v.nonce, v.cipher + v.tag, v.additionalData), v.plain);
}

TEST(Crypto, AnythingChangedDoesNotOpen) {
    const XChaChaVector v;
    const QByteArray sealed = v.cipher + v.tag;
    for (qsizetype at : {qsizetype{0}, sealed.size() / 2, sealed.size() - 1}) {
        QByteArray changed = sealed;
        changed[at] = static_cast<char>(changed[at] ^ 0x01);
        EXPECT_FALSE(aeadOpen(v.key, v.nonce, changed, v.additionalData)) << at;
    }
    QByteArray otherKey = v.key;
    otherKey[0] = static_cast<char>(otherKey[0] ^ 0x80);
    EXPECT_FALSE(aeadOpen(otherKey, v.nonce, sealed, v.additionalData));
    EXPECT_FALSE(aeadOpen(v.key, v.nonce, sealed, QByteArray("other")));
    EXPECT_FALSE(aeadOpen(v.key, v.nonce, sealed.left(10), v.additionalData));
    EXPECT_THROW(aeadSeal(v.key.left(16), v.nonce, v.plain), Error);
    EXPECT_THROW(aeadOpen(v.key, v.nonce.left(12), sealed), Error);
}

TEST(Crypto, RandomBytesAndComparison) {
    const QByteArray a = randomBytes(24);
    const QByteArray b = randomBytes(24);
    EXPECT_EQ(a.size(), 24);
    EXPECT_NE(a, b);
    EXPECT_TRUE(equalInConstantTime(a, a));
    EXPECT_FALSE(equalInConstantTime(a, b));
    EXPECT_FALSE(equalInConstantTime(a, a.left(23)));
    EXPECT_TRUE(equalInConstantTime(QByteArray(), QByteArray()));
}

} // namespace
} // namespace zrk
