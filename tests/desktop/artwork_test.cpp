#include "desktop/artwork.h"

#include <QDir>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace zrk;

namespace {

struct Picture {
    const char* name;
    int width;
    int height;
};

// The board's pictures by the names the board asks for, at their natural sizes.
const Picture kBoardPictures[] = {
    {"imgLogo", 392, 62},    {"imgScreth", 8, 62},      {"imgQuorvel", 200, 62}, {"main_boss_1", 392, 62},
    {"imgHead", 194, 27},    {"imgLine", 2, 27},        {"imgXXKB", 400, 27},    {"imgList", 180, 27},
    {"imgRefresh", 16, 16},  {"imgLeftBack", 194, 600}, {"imgLeftLine", 2, 600}, {"imgSep", 170, 24},
    {"imgPic", 194, 276},    {"imgLeft_0", 32, 32},     {"imgLeft_1", 32, 32},   {"imgLeft_2", 32, 32},
    {"imgLeft_3", 32, 32},   {"imgLeft_4", 32, 32},     {"imgLeft_5", 32, 32},   {"imgBottom_0", 32, 32},
    {"imgBottom_1", 32, 32}, {"imgBottom_2", 32, 32},   {"imgBottom_3", 32, 32}, {"imgTool", 16, 16},
    {"imgHx", 300, 24},      {"HAND", 32, 32},
};

const char* const kToolIcons[] = {"BBSZ", "BBDL", "CX"};

QString toolIconName(const char* tool, int state) {
    return QStringLiteral("BTN_%1_%2").arg(QLatin1String(tool)).arg(state);
}

QImage drawn(const QString& name) {
    return artPixmap(name, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The largest difference of one colour channel between column `a` of one picture and column `b`
// of another of the same height.
int columnDifference(const QImage& one, int a, const QImage& other, int b) {
    int largest = 0;
    for (int y = 0; y < one.height(); ++y) {
        const QRgb p = one.pixel(a, y);
        const QRgb q = other.pixel(b, y);
        largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                            std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
    return largest;
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    return count;
}

} // namespace

// Every drawing built into the program is a valid picture that draws something, at the screen
// scale asked for: twice the device pixels on a screen of ratio 2, the same logical size.
TEST(Artwork, EveryDrawingDrawsAtTheScreensScale) {
    const QStringList names = QDir(QStringLiteral(":/art")).entryList({QStringLiteral("*.svg")});
    ASSERT_FALSE(names.isEmpty());
    for (QString name : names) {
        name.chop(4);
        SCOPED_TRACE(name.toStdString());
        const QSize size = artSize(name);
        ASSERT_FALSE(size.isEmpty());
        const QPixmap single = artPixmap(name, 1.0);
        const QPixmap twice = artPixmap(name, 2.0);
        EXPECT_EQ(single.size(), size);
        EXPECT_EQ(twice.size(), size * 2);
        EXPECT_EQ(twice.deviceIndependentSize().toSize(), size);
        EXPECT_GT(opaquePixels(single.toImage()), 0);
    }
}

TEST(Artwork, AnUnknownNameOrAnEmptySizeGivesNoPicture) {
    EXPECT_TRUE(artSize(QStringLiteral("NO_SUCH_PICTURE")).isEmpty());
    EXPECT_TRUE(artPixmap(QStringLiteral("NO_SUCH_PICTURE"), 1.0).isNull());
    EXPECT_TRUE(artPixmap(QStringLiteral("HAND"), QSize(), 1.0).isNull());
}

TEST(Artwork, TheHandCursorIsTheDrawingWithItsFingerTipAsHotSpot) {
    const QCursor hand = handCursor();
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(artSize(QStringLiteral("HAND")).width() / 4, 0));
}

TEST(Artwork, TheBoardsPicturesAreThereAtTheirNaturalSizes) {
    for (const Picture& picture : kBoardPictures) {
        SCOPED_TRACE(picture.name);
        EXPECT_EQ(artSize(QLatin1String(picture.name)), QSize(picture.width, picture.height));
    }
    for (const char* tool : kToolIcons)
        for (int state = 1; state <= 5; ++state) {
            SCOPED_TRACE(toolIconName(tool, state).toStdString());
            EXPECT_EQ(artSize(toolIconName(tool, state)), QSize(24, 24));
        }
}

// Normal, focus, hover, pressed and disabled: the five pictures of a tool icon can be told apart.
TEST(Artwork, EveryStateOfAToolIconLooksDifferent) {
    for (const char* tool : kToolIcons)
        for (int one = 1; one <= 5; ++one)
            for (int other = one + 1; other <= 5; ++other) {
                SCOPED_TRACE(toolIconName(tool, one).toStdString() + " / " +
                             toolIconName(tool, other).toStdString());
                EXPECT_NE(drawn(toolIconName(tool, one)), drawn(toolIconName(tool, other)));
            }
}

// The logo strip is an industry logo, the filler stretched to the window's width and the maker's
// logo: where they meet there is no seam, whichever industry logo stands on the left.
TEST(Artwork, TheLogoStripHasNoSeams) {
    const QImage filler = drawn(QStringLiteral("imgScreth"));
    const QImage maker = drawn(QStringLiteral("imgQuorvel"));
    for (const char* logo : {"imgLogo", "main_boss_1"}) {
        SCOPED_TRACE(logo);
        const QImage industry = drawn(QLatin1String(logo));
        EXPECT_LE(columnDifference(industry, industry.width() - 1, filler, 0), 1);
    }
    EXPECT_LE(columnDifference(filler, filler.width() - 1, maker, 0), 1);
    EXPECT_LE(columnDifference(filler, 0, filler, filler.width() - 1), 1);
}

// The title strip's three backgrounds are one band, and its divider continues the left
// column's edge line: each shows its line in the frame colour on the side where they meet.
TEST(Artwork, TheTitleStripIsOneBandAndItsDividerMeetsTheColumnsEdge) {
    const QImage head = drawn(QStringLiteral("imgHead"));
    const QImage middle = drawn(QStringLiteral("imgXXKB"));
    const QImage list = drawn(QStringLiteral("imgList"));
    EXPECT_LE(columnDifference(head, head.width() - 1, middle, 0), 1);
    EXPECT_LE(columnDifference(middle, middle.width() - 1, list, 0), 1);
    const QColor frame(165, 193, 216); // the board's frame colour
    const QImage divider = drawn(QStringLiteral("imgLine"));
    const QImage edge = drawn(QStringLiteral("imgLeftLine"));
    EXPECT_EQ(divider.pixelColor(0, divider.height() / 2), frame);
    EXPECT_EQ(edge.pixelColor(edge.width() - 1, edge.height() / 2), frame);
}
