#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "graphics/ScaledPixels.h"
#include "graphics/win32/GdiGuards.h"
#include "graphics/win32/GdiResources.h"
#include "graphics/win32/GdiSurface.h"
#include "graphics/win32/GdiObjectCount.h"

namespace vt {
namespace {

using test::LiveGdiObjects;

constexpr Colour kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kGrey = 0x808080, kKey = 0xFF00FF;

// A grey w x h 32-bit DIB section in a memory DC; pixels read straight from its memory.
class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h), memory_(nullptr) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        section_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
        selected_.emplace(memory_.Get(), section_.get());
        for (int i = 0; i < w * h; ++i) bits_[i] = kGrey;  // grey reads the same in either byte order
    }
    HDC Dc() const { return memory_.Get(); }
    Colour At(int x, int y) const {
        GdiFlush();
        std::uint32_t p = bits_[y * w_ + x];
        return MakeColour((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int w_, h_;
    std::uint32_t* bits_ = nullptr;
    MemoryDc memory_;
    UniqueGdiObject section_;
    std::optional<SelectGuard> selected_;
};

// 3 x 2, distinct colours, the key colour at (1, 0) and (2, 1).
Bitmap Sample(bool transparent) {
    Bitmap b;
    b.SetSize(3, 2);
    const Colour pixels[] = {kRed, kKey, kGreen, kBlue, 0x00FFFF, kKey};
    for (int i = 0; i < 6; ++i) b.SetPixel(i % 3, i / 3, pixels[i]);
    b.SetTransparent(transparent);
    b.SetTransparentColor(kKey);
    return b;
}

TEST(GdiSurface, DrawBitmapLeavesKeyPixelsOnlyWhenTransparent) {
    for (bool transparent : {true, false}) {
        Canvas canvas(6, 4);
        GdiResources resources;
        Bitmap bitmap = Sample(transparent);
        GdiSurface(canvas.Dc(), resources).DrawBitmap(bitmap, 2, 1);
        for (int i = 0; i < 6; ++i) {
            Colour want = bitmap.GetPixel(i % 3, i / 3);
            if (transparent && want == kKey) want = kGrey;
            EXPECT_EQ(canvas.At(2 + i % 3, 1 + i / 3), want) << i << " transparent=" << transparent;
        }
    }
}

// One cache and one bitmap for every row, so that a stale stretched or tiled form would show.
TEST(GdiSurface, StretchedAndTiledPixelsAreOurOwnWithinTheDc) {
    struct Row {
        const char* what;
        Rect dest;
        bool transparent;
    } rows[] = {
        {"odd scale", {1, 1, 11, 8}, false},
        {"same size elsewhere", {4, 3, 14, 10}, false},
        {"partly outside the DC", {-4, -3, 9, 6}, false},
        {"transparent", {0, 0, 16, 12}, true},
        {"huge, mostly outside", {-100000, -100000, 100000, 100000}, true},
        {"inverted: nothing", {6, 6, 2, 2}, false},
    };
    GdiResources resources;
    Bitmap bitmap = Sample(false);
    for (bool tiled : {false, true})
    for (const Row& row : rows) {
        bitmap.SetTransparent(row.transparent);
        Canvas canvas(16, 12);
        GdiSurface surface(canvas.Dc(), resources);
        if (tiled) surface.TileBitmap(bitmap, row.dest);
        else surface.StretchBitmap(bitmap, row.dest);
        Rect visible = Intersection(row.dest, Rect{0, 0, 16, 12});
        Bitmap want;
        (tiled ? TilePart : StretchPart)(bitmap, row.dest, visible, want);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x) {
                bool inside = x >= visible.Left && x < visible.Right && y >= visible.Top && y < visible.Bottom;
                Colour c = inside ? want.GetPixel(x - visible.Left, y - visible.Top) : kGrey;
                if (row.transparent && c == kKey) c = kGrey;
                ASSERT_EQ(canvas.At(x, y), c) << row.what << (tiled ? ", tiled" : "") << " at " << x << "," << y;
            }
    }
    EXPECT_EQ(resources.StretchedCount(), 1u);
    EXPECT_EQ(resources.TiledCount(), 1u);
}

// A tiled piece wider and taller than one block: copies of the block meet seamlessly, also where
// a limited pass starts in the middle of one, and the block stays small.
TEST(GdiSurface, TilesLargerThanABlockAreSeamless) {
    const int w = 2 * GdiResources::kTileBlock + 100, h = GdiResources::kTileBlock + 40;
    const Rect dest{-7, -5, w, h};
    const struct {
        const char* what;
        std::optional<Rect> limit;
    } passes[] = {{"whole", std::nullopt}, {"limited across joins", Rect{250, 200, w - 20, h - 3}}};
    for (bool transparent : {false, true})
        for (const auto& pass : passes) {
            Canvas canvas(w, h);
            GdiResources resources;
            const Bitmap bitmap = Sample(transparent);
            {
                GdiSurface s(canvas.Dc(), resources);
                if (pass.limit) s.LimitClipTo(&*pass.limit, 1);
                s.TileBitmap(bitmap, dest);
            }
            const Rect shown = pass.limit ? *pass.limit : Rect{0, 0, w, h};
            Bitmap want;
            TilePart(bitmap, dest, shown, want);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const bool inside = x >= shown.Left && x < shown.Right && y >= shown.Top && y < shown.Bottom;
                    Colour c = inside ? want.GetPixel(x - shown.Left, y - shown.Top) : kGrey;
                    if (transparent && c == kKey) c = kGrey;
                    ASSERT_EQ(canvas.At(x, y), c) << pass.what << " transparent=" << transparent << " at " << x << ","
                                                  << y;
                }
            const BlitForm* block = resources.TiledForm(bitmap, dest, Rect{0, 0, w, h});
            ASSERT_NE(block, nullptr);
            EXPECT_LE(block->width, GdiResources::kTileBlock);
            EXPECT_LE(block->height, GdiResources::kTileBlock);
        }
}

// The active and inactive pictures of a large piece take turns in one form; small pieces and
// pieces elsewhere keep their own.
TEST(GdiResources, ALargeStretchedFormReplacesAnotherBitmapsAtItsPlace) {
    const struct {
        const char* what;
        Rect first, second;
        std::size_t kept;
    } rows[] = {
        {"large, same place", {0, 0, 200, 30}, {0, 0, 200, 30}, 1},
        {"large, elsewhere", {0, 0, 200, 30}, {0, 40, 200, 70}, 2},
        {"small, same place", {0, 0, 20, 20}, {0, 0, 20, 20}, 2},
    };
    for (const auto& row : rows) {
        GdiResources resources;
        const Bitmap active = Sample(false), inactive = Sample(true);
        ASSERT_NE(resources.StretchedForm(active, row.first, row.first), nullptr);
        ASSERT_NE(resources.StretchedForm(inactive, row.second, row.second), nullptr);
        EXPECT_EQ(resources.StretchedCount(), row.kept) << row.what;
    }
}

TEST(GdiSurface, BitmapsKeepAnEarlierExclusion) {
    Canvas canvas(20, 10);
    GdiResources resources;
    Bitmap bitmap = Sample(false);
    {
        GdiSurface s(canvas.Dc(), resources);
        s.ExcludeClipRect(Rect{0, 0, 5, 10});
        s.TileBitmap(bitmap, Rect{0, 0, 20, 10});
        s.StretchBitmap(bitmap, Rect{0, 0, 20, 5});
        s.DrawBitmap(bitmap, 0, 5);
        EXPECT_EQ(s.GetPixel(3, 5), kInvalidColour);
    }
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 5; ++x) ASSERT_EQ(canvas.At(x, y), kGrey) << "excluded pixel " << x << "," << y;
    EXPECT_NE(canvas.At(7, 7), kGrey);
}

TEST(GdiSurface, SystemColoursDrawTheirCurrentRgb) {
    const Colour highlight = 0x80000000u + COLOR_HIGHLIGHT;
    const Colour rgb = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(ColourToRgb(0x02123456), 0x123456u);
    Canvas canvas(10, 10);
    GdiResources resources;
    GdiSurface s(canvas.Dc(), resources);
    s.SetBrushColour(highlight);
    s.FillRect(Rect{0, 0, 4, 4});
    s.SetPixel(6, 6, highlight);
    s.SetPenColour(highlight);
    s.MoveTo(0, 8);
    s.LineTo(10, 8);
    EXPECT_EQ(canvas.At(1, 1), rgb) << "brush";
    EXPECT_EQ(canvas.At(6, 6), rgb) << "pixel";
    EXPECT_EQ(canvas.At(5, 8), rgb) << "pen";
}

TEST(GdiSurface, SolidBrushFillsBehindTextClearOneNothing) {
    for (BrushStyle style : {BrushStyle::Solid, BrushStyle::Clear}) {
        Canvas canvas(120, 40);
        GdiResources resources;
        GdiSurface s(canvas.Dc(), resources);
        s.SetBrushKind(style);
        s.SetBrushColour(kGreen);
        const Colour behind = style == BrushStyle::Solid ? kGreen : kGrey;
        s.TextOutClipped(1, 1, Rect{0, 0, 100, 30}, "Ab");
        EXPECT_EQ(canvas.At(99, 29), behind) << "clip corner";
        EXPECT_EQ(canvas.At(100, 30), kGrey) << "outside the clip";
        s.FillRect(Rect{0, 32, 10, 40});
        EXPECT_EQ(canvas.At(5, 35), behind) << "FillRect";
        s.SetPenColour(kRed);
        s.Rectangle(Rect{20, 32, 30, 40});
        EXPECT_EQ(canvas.At(20, 35), kRed) << "outline";
        EXPECT_EQ(canvas.At(25, 35), behind) << "interior";
    }
    // Centred text: only the text's own cells get the background.
    Canvas canvas(200, 60);
    GdiResources resources;
    GdiSurface s(canvas.Dc(), resources);
    s.SetBrushColour(kGreen);
    s.DrawTextCentred(Rect{0, 0, 200, 60}, "x");
    EXPECT_EQ(canvas.At(2, 2), kGrey);
    EXPECT_EQ(canvas.At(198, 58), kGrey);
}

TEST(GdiSurface, FontsAreMadeOncePerKeyAndTheDcIsGivenBack) {
    Canvas canvas(10, 10);
    HDC dc = canvas.Dc();
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN), brush = GetCurrentObject(dc, OBJ_BRUSH),
            font = GetCurrentObject(dc, OBJ_FONT);
    GdiResources resources;
    Font f;
    f.face = "Arial";
    f.size = 10;
    HGDIOBJ selected[2] = {};
    for (int i = 0; i < 2; ++i) {
        GdiSurface s(dc, resources);
        f.colour = i ? kRed : kBlue;  // not part of the key
        s.SetFont(f);
        s.SetBrushKind(BrushStyle::Clear);
        HDC prepared = s.PreparedDc();
        selected[i] = GetCurrentObject(prepared, OBJ_FONT);
        EXPECT_EQ(GetTextColor(prepared), f.colour);
        EXPECT_EQ(GetBkMode(prepared), TRANSPARENT);
    }
    EXPECT_EQ(selected[0], selected[1]);
    EXPECT_EQ(resources.FontCount(), 1u);
    LOGFONTA lf;
    ASSERT_EQ(GetObjectA(selected[0], sizeof lf, &lf), int(sizeof lf));
    WindowDc screen(nullptr, GetDC(nullptr));
    EXPECT_EQ(lf.lfHeight, -MulDiv(10, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
}

TEST(GdiSurface, ManySurfacesLeakNoGdiObjects) {
    Canvas canvas(32, 32);
    GdiResources resources;
    Bitmap bitmap = Sample(true);
    auto pass = [&](Colour last) {
        GdiSurface s(canvas.Dc(), resources);
        s.SetPenColour(last);
        s.SetBrushColour(last ^ 0xFFFFFF);
        s.TextOutClipped(0, 0, Rect{0, 0, 20, 20}, "x");
        s.SetPenColour(kRed);
        s.LineTo(5, 5);
        s.ExcludeClipRect(Rect{0, 0, 2, 2});
        s.StretchBitmap(bitmap, Rect{0, 0, 30, 30});
        s.TileBitmap(bitmap, Rect{0, 0, 31, 29});
        s.DrawBitmap(bitmap, 1, 1);
        s.SetBrushColour(last);
        s.FillRect(Rect{20, 20, 24, 24});
    };
    pass(0);  // the cache's own objects are made here
    DWORD before = LiveGdiObjects();
    if (before == 0) GTEST_SKIP() << "no count of GDI objects";
    for (Colour i = 1; i <= 200; ++i) pass(i);
    EXPECT_EQ(canvas.At(21, 21), 200u);
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(GdiSurface, DrawsOntoAWindowDc) {
    UniqueWindow window(CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 20, 20, 60, 40, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(window);
    UpdateWindow(window.get());
    WindowDc dc(window.get(), GetWindowDC(window.get()));
    ASSERT_TRUE(dc);
    GdiResources resources;
    GdiSurface s(dc.Get(), resources);
    s.StretchBitmap(Sample(false), Rect{0, 0, 30, 20});
    s.ExcludeClipRect(Rect{40, 0, 60, 40});
    s.SetBrushColour(kGreen);
    s.FillRect(Rect{30, 0, 60, 40});
    EXPECT_EQ(s.GetPixel(0, 0), kRed);
    EXPECT_EQ(s.GetPixel(29, 19), kKey);
    EXPECT_EQ(s.GetPixel(35, 30), kGreen);
    EXPECT_EQ(s.GetPixel(50, 30), kInvalidColour) << "excluded";
}

}  // namespace
}  // namespace vt
