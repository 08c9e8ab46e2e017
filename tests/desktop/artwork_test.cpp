#include "desktop/artwork.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace zrk;

namespace {

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
