#include <gtest/gtest.h>

#include "graphics/Bitmap.h"

namespace vt {

TEST(Bitmap, PixelsOutsideAreClippedAndReadBlack) {
    Bitmap b;
    b.SetSize(3, 2);
    b.SetPixel(2, 1, MakeColour(1, 2, 3));
    b.SetPixel(3, 0, 0xFFFFFF);
    b.SetPixel(-1, 0, 0xFFFFFF);
    EXPECT_EQ(b.GetPixel(2, 1), 0x030201u);
    EXPECT_EQ(b.GetPixel(5, 5), 0u);
    EXPECT_EQ(b.Pixels().size(), 6u);
}

TEST(Bitmap, TransparentColourDefaultsToBottomLeftPixel) {
    Bitmap b;
    b.SetSize(2, 2);
    b.SetPixel(0, 1, 0x00FF00FF);
    EXPECT_EQ(b.TransparentColor(), 0x00FF00FFu);
    b.SetTransparentColor(0x123456);
    EXPECT_EQ(b.TransparentColor(), 0x123456u);
}

TEST(Bitmap, RefusesAbsurdSizesWithoutAllocating) {
    Bitmap b;
    EXPECT_THROW(b.SetSize(100000, 100000), std::length_error);
    EXPECT_TRUE(b.Empty());
}

}  // namespace vt
