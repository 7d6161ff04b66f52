#include <gtest/gtest.h>

#include "graphics/AlphaOver.h"

namespace vt {
namespace {

constexpr Colour kMagenta = 0xFF00FF;

enum class Beneath { Nothing, Opaque, Keyed };

// One PNG pixel over one pixel of the XPM beneath (grey 0x404040 when opaque).
TEST(AlphaOver, EachPixelIsKeptBlendedOrLeftOut) {
    struct Row {
        const char* name;
        Beneath beneath;
        std::uint8_t r, g, b, a;
        bool leftOut;
        Colour expected;
    };
    const Row rows[] = {
        {"opaque over anything", Beneath::Opaque, 200, 100, 0, 255, false, MakeColour(200, 100, 0)},
        {"opaque alone", Beneath::Nothing, 200, 100, 0, 255, false, MakeColour(200, 100, 0)},
        {"transparent shows the XPM", Beneath::Opaque, 200, 100, 0, 0, false, 0x404040},
        {"transparent alone is left out", Beneath::Nothing, 200, 100, 0, 0, true, kMagenta},
        {"transparent over a see-through XPM pixel stays out", Beneath::Keyed, 9, 9, 9, 0, true, kMagenta},
        {"half over the XPM blends", Beneath::Opaque, 255, 255, 255, 128, false, MakeColour(160, 160, 160)},
        {"partial alone: kept from half up", Beneath::Nothing, 10, 20, 30, 128, false, MakeColour(10, 20, 30)},
        {"partial alone: left out below half", Beneath::Nothing, 10, 20, 30, 127, true, kMagenta},
        {"partial over a see-through pixel counts as alone", Beneath::Keyed, 10, 20, 30, 200, false,
         MakeColour(10, 20, 30)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RgbaImage png;
        png.width = 2;
        png.height = 1;
        png.rgba = {row.r, row.g, row.b, row.a, 0, 0, 0, 255};  // a second, opaque black pixel
        Bitmap base;
        if (row.beneath != Beneath::Nothing) {
            base.SetSize(2, 1);
            base.SetPixel(0, 0, row.beneath == Beneath::Keyed ? kMagenta : 0x404040);
            if (row.beneath == Beneath::Keyed) {
                base.SetTransparent(true);
                base.SetTransparentColor(kMagenta);
            }
        }
        DrawAlphaOver(png, base);
        ASSERT_EQ(base.Width(), 2);
        EXPECT_EQ(base.GetPixel(0, 0), row.expected);
        EXPECT_EQ(base.GetPixel(1, 0), 0u);
        EXPECT_EQ(base.Transparent(), row.leftOut || row.beneath == Beneath::Keyed);
        if (base.Transparent()) {
            EXPECT_EQ(base.TransparentColor(), kMagenta);
        }
    }
}

// The XPM's size wins: a larger PNG is clipped, a smaller one leaves the rest as it was.
TEST(AlphaOver, TheBaseKeepsItsSize) {
    RgbaImage png;
    png.width = 3;
    png.height = 1;
    png.rgba.assign(12, 255);
    Bitmap base;
    base.SetSize(2, 2);
    base.SetPixel(1, 1, 0x123456);
    DrawAlphaOver(png, base);
    EXPECT_EQ(base.Width(), 2);
    EXPECT_EQ(base.Height(), 2);
    EXPECT_EQ(base.GetPixel(1, 0), 0xFFFFFFu);
    EXPECT_EQ(base.GetPixel(1, 1), 0x123456u);
}

}  // namespace
}  // namespace vt
