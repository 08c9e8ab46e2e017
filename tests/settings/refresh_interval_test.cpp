// The refresh interval's checks, its seconds and the characters the minutes box takes.
#include "settings/refresh_interval.h"

#include <gtest/gtest.h>

namespace zrk {
namespace {

TEST(RefreshInterval, TheFourChecksComeInOrderAndTheSecondsRoundHalfToEven) {
    const QString tiny = QStringLiteral("0.") + QString(297, QLatin1Char('0')) + QLatin1Char('5');
    ASSERT_EQ(tiny.size(), 300);
    const struct {
        QString text;
        QString refusal;
        std::int32_t seconds;
    } cases[] = {
        {"", kNoIntervalText, 0},
        {"   ", kNoIntervalText, 0},
        {"abc", kNotNumericText, 0},
        {".", kNotNumericText, 0},
        {"1e3", kNotNumericText, 0},   // the board would read a number the owner did not type
        {"1,000", kNotNumericText, 0}, // likewise
        {"&H10", kNotNumericText, 0},
        {"1.2.3", kNotNumericText, 0},
        {"-2", kNotPositiveText, 0},
        {"0", kNotPositiveText, 0},
        {"0.000", kNotPositiveText, 0},
        {".5", kLeadingPointText, 0}, // numeric and positive first
        {"0.5", QString(), 30},
        {" 5 ", QString(), 300},
        {"2.5", QString(), 150},
        {"0.375", QString(), 22}, // 22.5 seconds: to the even neighbour
        {"0.625", QString(), 38}, // 37.5 seconds
        {"35791394.12", QString(), 2147483647},
        {"35791394.125", kNotNumericText, 0}, // 2147483647.5 rounds beyond 32 bits
        {"35791395", kNotNumericText, 0},
        {QString(300, QLatin1Char('9')), kNotNumericText, 0},
        {tiny, kNotPositiveText, 0},    // no whole second: refreshing at every tick is no interval
        {"0.005", kNotPositiveText, 0}, // 0.3 seconds
        {"0.01", QString(), 1},         // 0.6 seconds
    };
    for (const auto& c : cases) {
        const RefreshCheck check = checkRefreshMinutes(c.text);
        EXPECT_EQ(check.refusal, c.refusal) << c.text.left(20).toStdString();
        EXPECT_EQ(check.seconds, c.seconds) << c.text.left(20).toStdString();
    }
}

TEST(RefreshInterval, TheBoxTakesDigitsTheFullStopBackspaceAndCharacter190) {
    for (QChar c : QStringLiteral("0123456789."))
        EXPECT_TRUE(refreshKeyPasses(c)) << QString(c).toStdString();
    EXPECT_TRUE(refreshKeyPasses(QChar(8)));
    EXPECT_TRUE(refreshKeyPasses(QChar(190)));
    for (QChar c : QStringLiteral("e-+, a\t\r\x16五０"))
        EXPECT_FALSE(refreshKeyPasses(c)) << int(c.unicode());
}

} // namespace
} // namespace zrk
