// Theme images at display scales: crisp whole factors, smoothed fractional ones that never blend
// the transparent colour, and the choice of a larger drawing.
#include <gtest/gtest.h>

#include "common/Dpi.h"
#include "graphics/DpiScaling.h"

namespace vt {
namespace {

constexpr Colour kKey = 0xFF00FF, kRed = 0x0000FF, kBlue = 0xFF0000;

// A 4 x 2 keyed image: key, red, blue, key on both rows.
Bitmap Striped() {
    Bitmap b;
    b.SetSize(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) b.SetPixel(x, y, x == 0 || x == 3 ? kKey : x == 1 ? kRed : kBlue);
    b.SetTransparent(true);
    b.SetTransparentColor(kKey);
    return b;
}

TEST(DpiScaling, LengthsRoundHalfAwayFromZeroAndSaturate) {
    EXPECT_EQ(ScaleLength(3, 144), 5);
    EXPECT_EQ(ScaleLength(-3, 144), -5);
    EXPECT_EQ(ScaleLength(7, 96), 7);
    EXPECT_EQ(ScaleLength(2147483647, 960), 2147483647);
    EXPECT_EQ(RescaleLength(101, 96, 144), 152) << "151.5 rounds away from zero";
    EXPECT_EQ(RescaleLength(152, 144, 96), 101) << "and back";
    EXPECT_EQ(RescaleLength(-5, 192, 120), -3);
    EXPECT_EQ(ClampDpi(5), kMinDpi);
    EXPECT_EQ(ClampDpi(100000), kMaxDpi);
}

TEST(DpiScaling, WholeFactorsRepeatPixels) {
    Bitmap out;
    ScaleForDpi(Striped(), 192, out);
    ASSERT_EQ(out.Width(), 8);
    ASSERT_EQ(out.Height(), 4);
    const Colour row[8] = {kKey, kKey, kRed, kRed, kBlue, kBlue, kKey, kKey};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(out.GetPixel(x, y), row[x]) << x << "," << y;
    EXPECT_TRUE(out.Transparent());
    EXPECT_EQ(out.TransparentColor(), kKey);
}

TEST(DpiScaling, FractionalFactorsSmoothButNeverBlendTheKey) {
    Bitmap out;
    ScaleForDpi(Striped(), 144, out);  // 6 x 3
    ASSERT_EQ(out.Width(), 6);
    bool blended = false;
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            const Colour c = out.GetPixel(x, y);
            // Every pixel is the key, or made of red and blue only: no magenta got into a colour.
            if (c == kKey) continue;
            EXPECT_EQ(GreenOf(c), 0u) << x << "," << y;
            EXPECT_TRUE(RedOf(c) == 0 || BlueOf(c) == 0 || RedOf(c) + BlueOf(c) == 255) << x << "," << y;
            blended = blended || (c != kRed && c != kBlue);
        }
    EXPECT_TRUE(blended) << "the middle is smoothed";
    // The shape is the 100 % shape scaled: the outer columns see-through, the inner ones not.
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(out.GetPixel(0, y), kKey);
        EXPECT_EQ(out.GetPixel(5, y), kKey);
        EXPECT_NE(out.GetPixel(2, y), kKey);
        EXPECT_NE(out.GetPixel(3, y), kKey);
    }
}

TEST(DpiScaling, ALargerDrawingIsUsedFromAQuarterStepBelowItsScale) {
    Bitmap small = Striped(), large;
    large.SetSize(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) large.SetPixel(x, y, 0x00FF00);  // green: told apart
    small.AddLargerSource(large, 192);
    struct Row {
        std::int32_t dpi;
        bool fromLarger;
    } rows[] = {{96, false}, {144, false}, {167, false}, {168, true}, {192, true}, {288, true}};
    for (const Row& row : rows) {
        EXPECT_EQ(small.SourceFor(row.dpi).first == &small, !row.fromLarger) << row.dpi;
        Bitmap out;
        ScaleForDpi(small, row.dpi, out);
        EXPECT_EQ(out.Width(), ScaledSide(4, row.dpi)) << row.dpi << ": sized by the image, not its source";
        EXPECT_EQ(out.GetPixel(out.Width() / 2, 0) == 0x00FF00, row.fromLarger) << row.dpi;
    }
}

}  // namespace
}  // namespace vt
