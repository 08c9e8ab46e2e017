#include "desktop/product_icon.h"

#include <QImage>
#include <gtest/gtest.h>

// The icon comes in every size a frame or task bar asks for, drawn: transparent corners, the
// blue square, and the white letter across the middle.
TEST(ProductIcon, IsDrawnAtEverySize) {
    const QIcon icon = zrk::productIcon();
    for (int size : {16, 32, 64}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        const QImage image = icon.pixmap(size, size).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_LT(qAlpha(image.pixel(0, 0)), 32);
        EXPECT_EQ(image.pixelColor(size / 10, size / 2), QColor(0x2b, 0x6c, 0xb0));
    }
    const QImage large = icon.pixmap(64, 64).toImage();
    int white = 0;
    for (int x = 0; x < 64; ++x)
        white += large.pixelColor(x, 32).lightness() > 200 ? 1 : 0;
    EXPECT_GT(white, 4);
}
