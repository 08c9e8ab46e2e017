#include "suite/launch_params.h"
#include "support/test_console.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

const QString kKey = QStringLiteral("shared secret of this installation");

class ParamDecoderTest : public ::testing::Test {
protected:
    void installKey(const QString& key) {
        console.settings.write(Hive::LocalMachine, suite::kLaunchKeyPath, suite::kLaunchKeyValue, key);
    }
    test::TestConsole console;
    qint64 now = 1767225600000; // 2026-01-01 00:00 UTC
    suite::ParamDecoder decoder{console.settings, [this] { return now; }};
};

TEST_F(ParamDecoderTest, EveryAlgorithmRoundTrips) {
    installKey(kKey);
    const QString plain = QStringLiteral("Username=老板;AcctID=3;Passwd=p;w=d;");
    for (int algorithm : {0, 1, 2})
        EXPECT_EQ(decoder.getPlainParamList(decoder.encipher(plain, algorithm), algorithm), plain)
            << algorithm;
    EXPECT_EQ(decoder.getPlainParamList(QStringLiteral("VXNlcm5hbWU9YTs="), 1),
              QStringLiteral("Username=a;"));
}

TEST_F(ParamDecoderTest, TheCipherTextHidesThePlainTextAndVariesByNonce) {
    installKey(kKey);
    const QString plain = QStringLiteral("Username=boss;Passwd=secret;");
    const QString a = decoder.encipher(plain, 2);
    const QString b = decoder.encipher(plain, 2);
    EXPECT_NE(a, b);
    EXPECT_FALSE(QByteArray::fromBase64(a.toLatin1(), QByteArray::Base64UrlEncoding).contains("secret"));
    EXPECT_FALSE(a.contains(QLatin1Char(';')));
}

TEST_F(ParamDecoderTest, TamperedTextWrongKeysAndUnknownAlgorithmsAreRefused) {
    installKey(kKey);
    const QByteArray nonce(24, '\x07');
    QString sealed = decoder.encipher(QStringLiteral("Username=boss;AcctID=1;"), 2, nonce);
    QString tampered = sealed;
    tampered[20] = tampered[20] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    EXPECT_THROW(decoder.getPlainParamList(tampered, 2), Error);
    EXPECT_THROW(decoder.getPlainParamList(sealed.left(10), 2), Error);
    EXPECT_THROW(decoder.getPlainParamList(QStringLiteral("not base64 !"), 2), Error);
    EXPECT_THROW(decoder.getPlainParamList(QStringLiteral("x"), 7), Error);
    installKey(QStringLiteral("another shared secret of this installation"));
    EXPECT_THROW(decoder.getPlainParamList(sealed, 2), Error);
    console.settings.remove(Hive::LocalMachine, suite::kLaunchKeyPath, suite::kLaunchKeyValue);
    EXPECT_THROW(decoder.getPlainParamList(sealed, 2), Error);
}

TEST_F(ParamDecoderTest, ASealedTextWorksForAMinuteOnly) {
    installKey(kKey);
    const QString plain = QStringLiteral("Username=boss;AcctID=1;Passwd=p;");
    const QString sealed = decoder.encipher(plain, 2);
    now += 59 * 1000;
    EXPECT_EQ(decoder.getPlainParamList(sealed, 2), plain);
    now += 2 * 1000; // 61 s after sealing: a replay
    EXPECT_THROW(decoder.getPlainParamList(sealed, 2), Error);
    now -= 2 * 61 * 1000; // a minute before sealing: a clock that is far off
    EXPECT_THROW(decoder.getPlainParamList(sealed, 2), Error);
    // The time is inside the authenticated text: changing the clock of the text breaks the tag.
    QByteArray raw = QByteArray::fromBase64(sealed.toLatin1(), QByteArray::Base64UrlEncoding);
    raw[24] = static_cast<char>(raw[24] ^ 1);
    now += 61 * 1000;
    EXPECT_THROW(decoder.getPlainParamList(QString::fromLatin1(raw.toBase64(QByteArray::Base64UrlEncoding |
                                                                            QByteArray::OmitTrailingEquals)),
                                           2),
                 Error);
}

TEST_F(ParamDecoderTest, AShortLaunchKeyIsRefused) {
    installKey(QStringLiteral("0123456789abcdef0123456789abcde")); // 31 bytes
    try {
        decoder.encipher(QStringLiteral("Username=a;"), 2);
        FAIL() << "a 31-byte key was taken";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("at least 32"))) << e.description().toStdString();
    }
    EXPECT_THROW(decoder.getPlainParamList(QString(QLatin1Char('A')).repeated(80), 2), Error);
    installKey(QStringLiteral("0123456789abcdef0123456789abcdef"));
    const QString sealed = decoder.encipher(QStringLiteral("Username=a;"), 2);
    EXPECT_EQ(decoder.getPlainParamList(sealed, 2), QStringLiteral("Username=a;"));
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
