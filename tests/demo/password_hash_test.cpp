#include "platform/error.h"
#include "platform/password_hash.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

// Published PBKDF2-HMAC-SHA256 vectors (RFC 7914, section 11).
struct Vector {
    const char* password;
    const char* salt;
    int iterations;
    int length;
    const char* hex;
};

TEST(PasswordHash, MatchesThePublishedVectors) {
    const Vector vectors[] = {
        {"passwd", "salt", 1, 64,
         "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
         "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"},
        {"Password", "NaCl", 80000, 64,
         "4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"
         "a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f33c8d"},
    };
    for (const Vector& v : vectors)
        EXPECT_EQ(pbkdf2HmacSha256(v.password, v.salt, v.iterations, v.length).toHex(), QByteArray(v.hex))
            << v.password << " / " << v.iterations;
}

TEST(PasswordHash, ShortKeysArePrefixesOfLongerOnes) {
    const QByteArray longKey = pbkdf2HmacSha256("pw", "salt", 10, 80); // more than one block
    EXPECT_EQ(longKey.size(), 80);
    EXPECT_EQ(pbkdf2HmacSha256("pw", "salt", 10, 20), longKey.left(20));
    EXPECT_EQ(pbkdf2HmacSha256("pw", "salt", 10, 32), longKey.left(32));
}

TEST(PasswordHash, VerifiesOnlyTheRightPassword) {
    const QByteArray salt = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    const QByteArray stored = hashPassword(QStringLiteral("老板123"), salt, 1000);
    EXPECT_EQ(stored.size(), kPasswordHashLength);
    EXPECT_TRUE(verifyPassword(QStringLiteral("老板123"), salt, 1000, stored));
    struct Case {
        QString password;
        QByteArray salt;
        int iterations;
    };
    const Case wrong[] = {
        {QStringLiteral("老板124"), salt, 1000},
        {QStringLiteral("老板123 "), salt, 1000},
        {QString(), salt, 1000},
        {QStringLiteral("老板123"), QByteArray::fromHex("00112233445566778899aabbccddeefe"), 1000},
        {QStringLiteral("老板123"), salt, 999},
        {QStringLiteral("老板123"), salt, 0},
    };
    for (const Case& c : wrong)
        EXPECT_FALSE(verifyPassword(c.password, c.salt, c.iterations, stored)) << c.password.toStdString();
    EXPECT_FALSE(verifyPassword(QString(), salt, 1000, QByteArray()));
}

TEST(PasswordHash, ADamagedIterationCountIsClamped) {
    EXPECT_EQ(clampedIterations(1000), 1000);
    EXPECT_EQ(clampedIterations(0), kMinPasswordHashIterations);
    EXPECT_EQ(clampedIterations(-5), kMinPasswordHashIterations);
    EXPECT_EQ(clampedIterations(2147483647), kMaxPasswordHashIterations);
    EXPECT_GE(kMaxPasswordHashIterations, kPasswordHashIterations);
    // A count of two thousand million would take minutes: the clamped count fails in bounded time.
    const QByteArray salt = newPasswordSalt();
    const QByteArray stored = hashPassword(QStringLiteral("pw"), salt, 1000);
    EXPECT_FALSE(verifyPassword(QStringLiteral("pw"), salt, -1, stored));
    EXPECT_EQ(salt.size(), kPasswordSaltLength);
    EXPECT_NE(newPasswordSalt(), salt);
}

TEST(PasswordHash, NewDigestsHaveTheCurrentWork) {
    EXPECT_EQ(kPasswordHashIterations, 600000);
    const QByteArray salt = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    EXPECT_EQ(hashPassword(QStringLiteral("pw"), salt), hashPassword(QStringLiteral("pw"), salt, 600000));
}

TEST(PasswordHash, RefusesNonsenseParameters) {
    EXPECT_THROW(pbkdf2HmacSha256("pw", "salt", 0, 32), Error);
    EXPECT_THROW(pbkdf2HmacSha256("pw", "salt", 1, 0), Error);
}

} // namespace
} // namespace zrk
