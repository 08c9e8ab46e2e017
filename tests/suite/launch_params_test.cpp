#include "platform/chacha20.h"
#include "suite/launch_params.h"
#include "support/test_console.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(ChaCha20, MatchesTheStandardsTestVector) {
    // RFC 8439, section 2.4.2.
    QByteArray key;
    for (int i = 0; i < 32; ++i)
        key.append(static_cast<char>(i));
    const QByteArray nonce = QByteArray::fromHex("000000000000004a00000000");
    const QByteArray plain =
        "Ladies and Gentlemen of the class of '99: If I could offer you only one tip for the "
        "future, sunscreen would be it.";
    const QByteArray cipher = chacha20(key, nonce, 1, plain);
    EXPECT_EQ(cipher.left(16).toHex(), QByteArray("6e2e359a2568f98041ba0728dd0d6981"));
    EXPECT_EQ(cipher.right(2).toHex(), QByteArray("874d"));
    EXPECT_EQ(chacha20(key, nonce, 1, cipher), plain);
    EXPECT_THROW(chacha20(key.left(16), nonce, 1, plain), Error);
}

class ParamDecoderTest : public ::testing::Test {
protected:
    void installKey(const QString& key) {
        console.settings.write(Hive::LocalMachine, suite::kLaunchKeyPath, suite::kLaunchKeyValue, key);
    }
    test::TestConsole console;
    suite::ParamDecoder decoder{console.settings};
};

TEST_F(ParamDecoderTest, EveryAlgorithmRoundTrips) {
    installKey(QStringLiteral("shared secret of this installation"));
    const QString plain = QStringLiteral("Username=老板;AcctID=3;Passwd=p;w=d;");
    for (int algorithm : {0, 1, 2})
        EXPECT_EQ(decoder.getPlainParamList(decoder.encipher(plain, algorithm), algorithm), plain)
            << algorithm;
    EXPECT_EQ(decoder.getPlainParamList(QStringLiteral("VXNlcm5hbWU9YTs="), 1),
              QStringLiteral("Username=a;"));
}

TEST_F(ParamDecoderTest, TheCipherTextHidesThePlainTextAndVariesByNonce) {
    installKey(QStringLiteral("k"));
    const QString plain = QStringLiteral("Username=boss;Passwd=secret;");
    const QString a = decoder.encipher(plain, 2);
    const QString b = decoder.encipher(plain, 2);
    EXPECT_NE(a, b);
    EXPECT_FALSE(QByteArray::fromBase64(a.toLatin1(), QByteArray::Base64UrlEncoding).contains("secret"));
    EXPECT_FALSE(a.contains(QLatin1Char(';')));
}

TEST_F(ParamDecoderTest, TamperedTextWrongKeysAndUnknownAlgorithmsAreRefused) {
    installKey(QStringLiteral("right key"));
    const QByteArray nonce(12, '\x07');
    QString sealed = decoder.encipher(QStringLiteral("Username=boss;AcctID=1;"), 2, nonce);
    QString tampered = sealed;
    tampered[20] = tampered[20] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    EXPECT_THROW(decoder.getPlainParamList(tampered, 2), Error);
    EXPECT_THROW(decoder.getPlainParamList(sealed.left(10), 2), Error);
    EXPECT_THROW(decoder.getPlainParamList(QStringLiteral("not base64 !"), 2), Error);
    EXPECT_THROW(decoder.getPlainParamList(QStringLiteral("x"), 7), Error);
    installKey(QStringLiteral("another key"));
    EXPECT_THROW(decoder.getPlainParamList(sealed, 2), Error);
    console.settings.remove(Hive::LocalMachine, suite::kLaunchKeyPath, suite::kLaunchKeyValue);
    EXPECT_THROW(decoder.getPlainParamList(sealed, 2), Error);
}

TEST(Base64Codec, EncodesAndRefusesTextThatIsNoBase64) {
    suite::Base64Codec codec;
    const QString props = QStringLiteral("UserName=老板;ConnectString={Provider=SQLite;Data Source=/a.db};");
    EXPECT_EQ(codec.getBase64(codec.getBase64(props, true), false), props);
    EXPECT_EQ(codec.getBase64(QStringLiteral(" QUJD "), false), QStringLiteral("ABC"));
    for (const char* bad : {"%%%%", "QUJD!", "中文", "QU JD"})
        EXPECT_THROW(codec.getBase64(QString::fromUtf8(bad), false), Error) << bad;
}

} // namespace
} // namespace zrk
