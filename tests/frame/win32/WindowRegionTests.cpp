// The window region against the plain way of building it: each element's rectangle with the
// transparent runs of its image cut out one run at a time, the elements united in their order and
// the EXCLUDE elements taken out. The regions must be identical, on every test theme at a small and
// a large size and at 100 % and 200 %, and on hostile shapes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "common/win32/UniqueHandle.h"
#include "frame/ElementGeometry.h"
#include "frame/TransparentRuns.h"
#include "frame/win32/WindowRegion.h"
#include "graphics/ScaledPixels.h"
#include "graphics/win32/GdiResources.h"
#include "theme/ThemeState.h"

namespace vt {
namespace {

HRGN H(const UniqueGdiObject& region) { return static_cast<HRGN>(region.get()); }

// The element's rectangle less every key-coloured run of the image as painting draws it.
UniqueGdiObject CutRunByRun(const Bitmap& image, const Rect& rect, const Rect& visible, std::uint8_t mode) {
    UniqueGdiObject region(CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom));
    const Rect part = Intersection(rect, visible);
    if (!image.Transparent() || image.Empty() || part.IsEmpty()) return region;
    for (const Rect& r : TransparentRuns(MakeWorkImage(image, rect, part, mode), image.TransparentColor())) {
        UniqueGdiObject run(CreateRectRgn(r.Left + part.Left, r.Top + part.Top, r.Right + part.Left, r.Bottom + part.Top));
        CombineRgn(H(region), H(region), H(run), RGN_DIFF);
    }
    return region;
}

// The whole region of the theme's elements, from the rectangles the last BuildRegion computed.
UniqueGdiObject RegionElementByElement(ThemeState& theme, GdiResources& resources, const Rect& visible, std::uint32_t style,
                                       std::int32_t dpi) {
    UniqueGdiObject shape(CreateRectRgn(0, 0, 0, 0));
    for (std::size_t i = 0; i < theme.Elements->Count(); ++i) {
        TUIElement& e = theme.Elements->At(std::ptrdiff_t(i));
        const bool isExclude = e.HitCode == kCodeExclude;
        if ((e.NoImage && e.HitCode != kCodeClient && !isExclude) || !ElementApplies(e, style)) continue;
        UniqueGdiObject piece = theme.AutoExclude && e.NormalBitmap
                                    ? CutRunByRun(resources.AtDpi(*e.NormalBitmap, dpi), e.Rect, visible, e.Anchor1)
                                    : UniqueGdiObject(CreateRectRgn(e.Rect.Left, e.Rect.Top, e.Rect.Right, e.Rect.Bottom));
        CombineRgn(H(shape), H(shape), H(piece), isExclude ? RGN_DIFF : RGN_OR);
    }
    return shape;
}

class WindowRegion : public test::EngineTest {};

TEST_F(WindowRegion, EveryTestThemeAsTheElementsCutOneRunAtATime) {
    std::vector<test::ThemeCase> themes = test::TestThemes();
    themes.push_back({"Pane", test::WritePaneTheme()});
    test::RegisterPlainClass("VtRegionTest");
    for (const test::ThemeCase& theme : themes) {
        UseTheme(theme.path);
        ThemeState& loaded = LoadedTheme();
        for (const SIZE size : {SIZE{150, 90}, SIZE{1280, 800}}) {
            UniqueWindow window(CreateWindowExA(0, "VtRegionTest", "Region", WS_OVERLAPPEDWINDOW, 0, 0, size.cx, size.cy,
                                                nullptr, nullptr, nullptr, nullptr));
            const auto style = std::uint32_t(GetWindowLongPtrA(window.get(), GWL_STYLE));
            RECT outer{};
            GetWindowRect(window.get(), &outer);  // the size the window was allowed
            const Rect visible{0, 0, outer.right - outer.left, outer.bottom - outer.top};
            for (const std::int32_t dpi : {96, 192}) {
                GdiResources resources;
                UniqueGdiObject built = BuildRegion(loaded, resources, window.get(), style, false, true, dpi);
                UniqueGdiObject plain = RegionElementByElement(loaded, resources, visible, style, dpi);
                EXPECT_TRUE(EqualRgn(H(built), H(plain))) << theme.name << " at " << size.cx << "x" << size.cy << ", dpi " << dpi;
            }
        }
    }
}

// A picture from a pattern of its pixels (true: the key), transparent with key K.
constexpr Colour K = 0xFF00FF;
Bitmap Pattern(int w, int h, bool (*key)(int, int)) {
    Bitmap b;
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, key(x, y) ? K : Colour(0x102030 + x + 7 * y));
    b.SetTransparent(true);
    b.SetTransparentColor(K);
    return b;
}

TEST_F(WindowRegion, HostileShapesAsTheRectangleCutOneRunAtATime) {
    struct Shape {
        const char* what;
        Bitmap image;
    };
    const std::vector<Shape> shapes = {
        {"checkerboard", Pattern(7, 5, [](int x, int y) { return (x + y) % 2 == 0; })},
        {"all see-through", Pattern(3, 3, [](int, int) { return true; })},
        {"one opaque pixel", Pattern(5, 4, [](int x, int y) { return !(x == 2 && y == 1); })},
        {"no see-through pixel", Pattern(4, 4, [](int, int) { return false; })},
        {"vertical stripes", Pattern(9, 6, [](int x, int) { return x % 3 == 0; })},
        {"noise", Pattern(37, 23, [](int x, int y) { return (x * 7919 + y * 104729 + x * y * 31) % 5 < 2; })},
        {"one row and one column", Pattern(1, 1, [](int, int) { return false; })},
    };
    const Rect visible{0, 0, 640, 400};
    const std::vector<Rect> rects = {
        {10, 10, 17, 15},      {-30, -20, 90, 40},  {600, 380, 900, 700}, {0, 0, 3000, 37},
        {-5000, 100, 5000, 101}, {5, 5, 6, 6},        {700, 10, 800, 20},   {20, 30, 20, 50},
    };
    for (const Shape& shape : shapes)
        for (const Rect& rect : rects)
            for (const std::uint8_t mode : {std::uint8_t(0x80), std::uint8_t(0x40), std::uint8_t(0)}) {
                UniqueGdiObject built = ElementShape(shape.image, rect, visible, mode);
                UniqueGdiObject plain = CutRunByRun(shape.image, rect, visible, mode);
                ASSERT_TRUE(built);
                EXPECT_TRUE(EqualRgn(H(built), H(plain))) << shape.what << " over " << rect.Left << "," << rect.Top << ","
                                                          << rect.Right << "," << rect.Bottom << " mode " << int(mode);
            }
}

}  // namespace
}  // namespace vt
