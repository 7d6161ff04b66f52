// The real frame engine inside the test process, painting real windows of a Wine desktop with
// the Pane theme; what it drew is read back pixel by pixel from the window's DC.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ControllerConfig.h"
#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "common/Notice.h"
#include "common/win32/HookMessages.h"
#include "graphics/win32/GdiGuards.h"
#include "graphics/win32/GdiObjectCount.h"
#include "hook/HookProc.h"
#include "hook/ModuleLifecycle.h"
#include "hook/ModuleState.h"
#include "script/Engine.h"
#include "script/drawing/DrawingContext.h"
#include "graphics/ScaledPixels.h"
#include "theme/ThemeState.h"

namespace vt {
namespace {

using test::Rgb;
using test::WindowPixel;

constexpr int W = 240, H = 160;  // the window's outer size in every test
constexpr COLORREF kCorner = Rgb(0, 0, 128), kCornerOff = Rgb(128, 128, 128);
constexpr COLORREF kRed = Rgb(200, 0, 0), kGreen = Rgb(0, 200, 0), kTitleOff = Rgb(96, 96, 96);
constexpr COLORREF kSideEven = Rgb(0, 0, 200), kSideOdd = Rgb(0, 200, 200), kBottom = Rgb(100, 100, 100);
constexpr COLORREF kClose = Rgb(255, 255, 0), kCloseOff = Rgb(160, 160, 0), kMark = Rgb(255, 128, 0);
constexpr int kCloseIndex = 7;

class FramePainting : public test::EngineTest {
protected:
    // A window registered as the hook registers it, framed by the theme, shown, active.
    HWND Skin(test::RecordingWindow& window, const char* title = "Pane test") {
        HWND w = window.Handle();
        SetWindowTextA(w, title);
        state_->registry.RegisterWindow(w, true);
        SetWindowPos(w, HWND_TOP, 20, 20, W, H, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
        SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
        test::PumpMessages();
        SendMessageA(w, WM_NCACTIVATE, TRUE, 0);  // whatever activation the show caused
        return w;
    }
    UINT Repaint() const { return state_->frame->RepaintMessage(); }
};

struct PixelRow {
    const char* what;
    int x, y;
    COLORREF expected;
};

void CheckPixels(HWND window, const std::vector<PixelRow>& rows) {
    for (const PixelRow& row : rows) {
        EXPECT_EQ(WindowPixel(window, row.x, row.y), row.expected) << row.what << " at " << row.x << "," << row.y;
    }
}

TEST_F(FramePainting, EveryDrawingModeTheShapeAndTheClientArea) {
    UseTheme(test::WritePaneTheme());
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    CheckPixels(w, {
        {"corner, opaque part", 5, 10, kCorner},
        {"title stretched: its left column over the left half", 20, 1, kRed},
        {"title stretched: its right column over the right half", 200, 1, kGreen},
        {"left side tiled: first row", 1, 24, kSideEven},
        {"left side tiled: second row", 1, 25, kSideOdd},
        {"left side tiled: the first row again", 1, 26, kSideEven},
        {"bottom stretched", 100, 158, kBottom},
        {"close unscaled, inside its transparent ring", 224, 12, kClose},
        {"close's ring shows the title below", 218, 6, kGreen},
        {"an element moved by OnCalcRect", 1, 62, kMark},
        {"where it was before the move", 1, 42, kSideEven},
        {"OnPaint's pixel", 1, 100, Rgb(0, 255, 0)},
    });
    struct RegionRow {
        const char* what;
        int x, y;
        bool inside;
    } regionRows[] = {
        {"transparent corner pixel", 0, 0, false},
        {"transparent corner, last of its diagonal", 0, 5, false},
        {"corner, opaque", 0, 6, true},
        {"corner, opaque", 7, 7, true},
        {"EXCLUDE strip", 236, 2, false},
        {"below the EXCLUDE strip", 236, 5, true},
        {"client area", 120, 80, true},
        {"bottom-right corner", W - 1, H - 1, true},
    };
    for (const RegionRow& row : regionRows) {
        EXPECT_EQ(test::InWindowRegion(w, row.x, row.y), row.inside) << row.what << " at " << row.x << "," << row.y;
    }
    RECT client = test::ClientInWindow(w);
    EXPECT_EQ(client.left, 4);
    EXPECT_EQ(client.top, 24);
    EXPECT_EQ(client.right, W - 4);
    EXPECT_EQ(client.bottom, H - 4);
    EXPECT_EQ(WindowPixel(w, 120, 80), WindowPixel(w, 121, 80)) << "the client area is the program's";
}

TEST_F(FramePainting, ShapeAgreesPixelForPixelWithWhatIsDrawn) {
    // One stretched transparent element over the whole window, and an empty client area.
    UseTheme(test::WritePaneTheme({{"[LAYOUT]", "[LAYOUT]\nTOP TLS:0,0 BR:0,0 holes holes holes holes\nCLIENT TL:0,0 TL:0,0\n[IGNORED]"}}));
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    const Bitmap* holes = LoadedTheme().Theme->Items().FindBitmap("holes");
    ASSERT_NE(holes, nullptr);
    Bitmap expected;
    StretchPart(*holes, Rect{0, 0, W, H}, Rect{0, 0, W, H}, expected);
    int mismatches = 0, holesSeen = 0;
    for (int y = 0; y < H; y += 3) {
        for (int x = 0; x < W; ++x) {
            const bool hole = expected.GetPixel(x, y) == holes->TransparentColor();
            holesSeen += hole;
            if (test::InWindowRegion(w, x, y) == hole) ++mismatches;
            if (!hole && WindowPixel(w, x, y) != expected.GetPixel(x, y)) ++mismatches;
        }
    }
    EXPECT_GT(holesSeen, 1000);
    EXPECT_EQ(mismatches, 0) << "region and painting disagree";
}

TEST_F(FramePainting, TilingKeepsTheClientAreaOutOfTheDrawing) {
    UseTheme(test::WritePaneTheme({{"CLIENT TL:4,24", "LEFT TLF:0,0 BR:0,0 side side side\nCLIENT TL:4,24"}}));
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    const COLORREF inside = WindowPixel(w, 120, 80);
    EXPECT_NE(inside, kSideEven);
    EXPECT_NE(inside, kSideOdd);
    SendMessageA(w, Repaint(), 12, -1);  // the tiled element alone, through the repaint path
    EXPECT_EQ(WindowPixel(w, 120, 80), inside);
}

TEST_F(FramePainting, InactiveLookAndTheMissingBitmapMark) {
    UseTheme(test::WritePaneTheme());
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    SendMessageA(w, WM_NCACTIVATE, FALSE, 0);
    CheckPixels(w, {
        {"inactive corner", 5, 10, kCornerOff},
        {"inactive title", 20, 1, kTitleOff},
        {"inactive close", 224, 12, kCloseOff},
        {"mark: red outline", 200, 6, Rgb(255, 0, 0)},
        {"mark: red diagonal", 206, 12, Rgb(255, 0, 0)},
        {"mark: black inside", 203, 12, Rgb(0, 0, 0)},
    });
    EXPECT_GT(test::CountPixels(w, RECT{8, 2, 192, 22}, Rgb(0xC0, 0xC0, 0xC0)), 5) << "caption in the inactive font's colour";
    SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
    CheckPixels(w, {{"active again", 5, 10, kCorner}});
    EXPECT_GT(test::CountPixels(w, RECT{8, 2, 192, 22}, Rgb(255, 255, 255)), 5) << "caption in the title font's colour";
}

TEST_F(FramePainting, EmptyTitleIsDrawnWithTheWindowsRealState) {
    UseTheme(test::WritePaneTheme());
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window, "");
    CheckPixels(w, {{"active corner", 5, 10, kCorner}, {"active title", 20, 1, kRed}});
    EXPECT_EQ(test::CountPixels(w, RECT{8, 2, 192, 22}, Rgb(255, 255, 255)), 0) << "no text at all";
}

TEST_F(FramePainting, CaptionModes) {
    const RECT caption{8, 2, 192, 22};
    struct Row {
        const char* name;
        const char* titleFont;
        COLORREF atRightEnd;  // a pixel of the caption element no text reaches
        int firstTextColumnAtLeast, firstTextColumnAtMost;
    } rows[] = {
        {"clear, left", "'Tahoma' 8 FFFFFF BOLD", kGreen, 9, 14},
        {"solid, left", "'Tahoma' 8 FFFFFF SOLID 203040", 0, 9, 14},
        {"clear, centred", "'Tahoma' 8 FFFFFF CENTER", kGreen, 60, 120},
    };
    for (const Row& row : rows) {
        UseTheme(test::WritePaneTheme({{"'Tahoma' 8 FFFFFF BOLD", row.titleFont}}));
        test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
        HWND w = Skin(window, "Pane");
        COLORREF expected = row.atRightEnd ? row.atRightEnd : LoadedTheme().TitleColor & 0xFFFFFF;
        EXPECT_EQ(WindowPixel(w, 190, 20), expected) << row.name;
        int first = -1;
        for (int x = caption.left; x < caption.right && first < 0; ++x) {
            if (test::CountPixels(w, RECT{x, caption.top, x + 1, caption.bottom}, Rgb(255, 255, 255)) > 0) first = x;
        }
        EXPECT_GE(first, row.firstTextColumnAtLeast) << row.name;
        EXPECT_LE(first, row.firstTextColumnAtMost) << row.name;
        state_->registry.UnregisterWindow(w);
    }
}

TEST_F(FramePainting, IconElementFollowsTheWindowsIcon) {
    UseTheme(test::WritePaneTheme({{"CLIENT TL:4,24", "ICON TL:100,0 TL:116,16\nCLIENT TL:4,24"}}));
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    const RECT icon{100, 0, 116, 16};
    const int titleBefore = test::CountPixels(w, icon, kRed);
    EXPECT_EQ(titleBefore, 16 * 16) << "no icon yet: the title shows";
    // A program that sets only a small icon shows it, and the frame shows it as it is set.
    SendMessageA(w, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
    EXPECT_LT(test::CountPixels(w, icon, kRed), titleBefore / 2) << "the small icon drawn over the title";
    SendMessageA(w, WM_SETICON, ICON_SMALL, 0);
    EXPECT_EQ(test::CountPixels(w, icon, kRed), titleBefore) << "taken away again";
    SendMessageA(w, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
    EXPECT_LT(test::CountPixels(w, icon, kRed), titleBefore / 2) << "the large icon";
}

TEST_F(FramePainting, MenuBarBehindItsItems) {
    // The strip lies at the client element's top (24) and is 15 pixels high: at y = 36 no text
    // of the 8-point menu font reaches.
    const COLORREF kLeft = Rgb(0, 128, 0), kRight = Rgb(128, 0, 128);
    struct Row {
        const char* what;
        std::vector<std::pair<std::string, std::string>> edits;
        COLORREF at60, at61, at200;
    } rows[] = {
        {"no MenuBar bitmap: the menu colour", {}, GetSysColor(COLOR_MENU), GetSysColor(COLOR_MENU), GetSysColor(COLOR_MENU)},
        {"stretched", {{"\nstripe ", "\nMenuBar "}}, kLeft, kLeft, kRight},
        {"tiled", {{"\nstripe ", "\nMenuBar "}, {"AUTOEXCLUDE=1", "AUTOEXCLUDE=1\nTILEMENU=1"}}, kLeft, kRight, kLeft},
    };
    for (const Row& row : rows) {
        UseTheme(test::WritePaneTheme(row.edits));
        HMENU bar = CreateMenu();
        AppendMenuA(bar, MF_STRING, 1, "&File");
        AppendMenuA(bar, MF_STRING | MF_GRAYED, 2, "&Edit");
        test::RecordingWindow window(WS_OVERLAPPEDWINDOW, nullptr, bar);
        HWND w = Skin(window);
        // Tiled from the bar's left edge (4): even columns of the window are the bitmap's first.
        CheckPixels(w, {{row.what, 60, 36, row.at60}, {row.what, 61, 36, row.at61}, {row.what, 200, 36, row.at200}});
        EXPECT_GT(test::CountPixels(w, RECT{4, 24, 40, 39}, GetSysColor(COLOR_MENUTEXT)), 5) << "File in the menu font";
        const RECT edit{30, 24, 70, 39};
        EXPECT_GT(test::CountPixels(w, edit, GetSysColor(COLOR_BTNHIGHLIGHT)), 5) << "Edit engraved: its light copy";
        EXPECT_GT(test::CountPixels(w, edit, GetSysColor(COLOR_BTNSHADOW)), 5) << "and its shadow";
        state_->registry.UnregisterWindow(w);
    }
}

TEST_F(FramePainting, RepaintMessageRedrawsTheNamedElementOnly) {
    UseTheme(test::WritePaneTheme());
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    {
        WindowDc dc(w, GetWindowDC(w));
        SetPixel(dc.Get(), 224, 12, 0);
        SetPixel(dc.Get(), 5, 10, 0);
    }
    EXPECT_EQ(SendMessageA(w, Repaint(), kCloseIndex, -1), 0);
    CheckPixels(w, {{"close redrawn", 224, 12, kClose}, {"corner left alone", 5, 10, 0}});
    SendMessageA(w, Repaint(), 99, -5);  // both out of range: nothing, no error
    CheckPixels(w, {{"still left alone", 5, 10, 0}});
}

TEST_F(FramePainting, TickRunsOnIdleWithTheWindowsState) {
    UseTheme(test::WritePaneTheme());
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    EXPECT_EQ(SendMessageA(w, Messages().tick, 0, 0), 0);
    CheckPixels(w, {{"OnIdle, active", 2, 100, Rgb(255, 0, 0)}});
    SendMessageA(w, WM_NCACTIVATE, FALSE, 0);
    SendMessageA(w, Messages().tick, 0, 0);
    CheckPixels(w, {{"OnIdle, inactive", 2, 100, Rgb(0, 0, 255)}});
    EXPECT_EQ(ScriptVariable("ticks"), 2);
}

TEST_F(FramePainting, ThemeSwitchGivesEveryWindowTheNewFrameAtItsSize) {
    UseTheme(test::WritePaneTheme());
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    RECT before{};
    GetWindowRect(w, &before);
    ASSERT_TRUE(WriteControllerValue("Theme", test::WritePaneTheme({{"CLIENT TL:4,24 BR:-4,-4", "CLIENT TL:10,30 BR:-10,-10"},
                                                                    {"TOPLEFT TL:0,0 TL:8,24 corner", "TOPLEFT TL:0,0 TL:8,24 corneroff"},
                                                                    })));
    // The controller's change, as the hook of this thread sees it.
    CWPSTRUCT sent{0, WPARAM(GetTickCount() | 1), Messages().themeChanged, w};
    HookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&sent));
    window.ClearSeen();
    test::PumpMessages();
    RECT after{};
    GetWindowRect(w, &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    RECT client = test::ClientInWindow(w);
    EXPECT_EQ(client.left, 10);
    EXPECT_EQ(client.top, 30);
    EXPECT_EQ(client.right, W - 10);
    EXPECT_EQ(WindowPixel(w, 5, 10), kCornerOff) << "painted with the new theme";
    EXPECT_EQ(test::InWindowRegion(w, 0, 0), false) << "shaped by the new theme";
}

TEST_F(FramePainting, BadThemesAndOddWindowsLeaveTheWindowUsable) {
    UseTheme(test::WritePaneTheme({
        {": painter::OnPaint", ": painter::OnPaint BEGIN AGAIN ;\n: unused"},  // runs out of steps
        {": nudged::OnCalcRect", ": nudged::OnCalcRect DROP DROP ;\n: unused"},  // fails: nothing to drop
        {"# 11: cut", "TOP TLF:-2000000000,0 TR:2000000000,3 title\nTOP TLS:-2000000000,0 BR:2000000000,2000000000 title\n# 11: cut"},
        {"mark.bmp", "nosuchfile.bmp"},
    }));
    EXPECT_FALSE(notices_.empty()) << "the missing image was reported";
    notices_.clear();
    LoadedTheme().Scripts->SetStepBudget(200000);
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    auto round = [&] {
        SendMessageA(w, WM_NCPAINT, 1, 0);
        SendMessageA(w, Repaint(), 10, kCloseIndex);
        SendMessageA(w, WM_SIZE, 0, MAKELPARAM(200, 100));
        SendMessageA(w, Messages().tick, 0, 0);
    };
    round();  // the theme's GDI forms are made here
    const DWORD gdiBefore = test::LiveGdiObjects();
    for (int i = 0; i < 20; ++i) round();
    EXPECT_EQ(LoadedTheme().Drawing.Surface, nullptr);
    if (gdiBefore) {
        EXPECT_EQ(test::LiveGdiObjects(), gdiBefore) << "no GDI object leaks";
    }
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);  // a 0 x 0 window
    SendMessageA(w, WM_NCPAINT, 1, 0);
    window.ClearSeen();
    SendMessageA(w, WM_USER + 7, 0, 0);
    EXPECT_EQ(window.Seen(), std::vector<UINT>{WM_USER + 7}) << "the window still works";
}

TEST_F(FramePainting, UnhookGivesTheWindowItsOwnFrameBack) {
    UseTheme(test::WritePaneTheme());
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    ASSERT_EQ(test::ClientInWindow(w).top, 24);
    state_->registry.UnsubclassAll();
    RECT client = test::ClientInWindow(w);
    RECT expected{0, 0, W, H};
    AdjustWindowRectEx(&expected, WS_OVERLAPPEDWINDOW, FALSE, 0);
    EXPECT_EQ(client.left, -expected.left) << "the system's own frame width";
    EXPECT_EQ(client.top, -expected.top);
    EXPECT_TRUE(test::InWindowRegion(w, 0, 0)) << "no region";
}

// The window's pixels as `draw` puts them into a memory bitmap of its size (top-down rows).
std::vector<COLORREF> Captured(HWND window, const std::function<void(HDC)>& draw) {
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    MemoryDc dc(nullptr);
    UniqueGdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !bitmap) return {};
    SelectGuard selected(dc.Get(), bitmap.get());
    PatBlt(dc.Get(), 0, 0, width, height, WHITENESS);
    draw(dc.Get());
    GdiFlush();
    std::vector<COLORREF> pixels(std::size_t(width) * height);
    const auto* bgra = static_cast<const unsigned char*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = Rgb(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]);
    return pixels;
}

// Screen captures, thumbnails and prints of a skinned window show what its own DC shows: our
// frame, and the program's client area where the program draws it.
TEST_F(FramePainting, PrintWindowAndWmPrintShowTheSkinnedFrame) {
    UseTheme(test::WritePaneTheme());
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    // The program's client drawing, with a mark at its own origin, on screen and into a print.
    auto paintClient = [](HWND w, HDC dc) {
        RECT client{};
        GetClientRect(w, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        RECT mark{0, 0, 6, 3};
        FillRect(dc, &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    };
    window.SetHandler([&](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
        switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window.Handle(), &paint);
            paintClient(window.Handle(), dc);
            EndPaint(window.Handle(), &paint);
            result = 0;
            return true;
        }
        case WM_PRINTCLIENT:
            paintClient(window.Handle(), reinterpret_cast<HDC>(wParam));
            result = 0;
            return true;
        case WM_ERASEBKGND:
            result = 1;  // WM_PAINT covers it all
            return true;
        default:
            return false;
        }
    });
    HWND w = Skin(window);
    SetForegroundWindow(w);
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    test::PumpMessages();
    const std::vector<COLORREF> own = Captured(w, [&](HDC dc) {
        WindowDc windowDc(w, GetWindowDC(w));
        BitBlt(dc, 0, 0, W, H, windowDc.Get(), 0, 0, SRCCOPY);
    });
    ASSERT_EQ(own.size(), std::size_t(W) * H);
    ASSERT_EQ(own[std::size_t(10) * W + 5], kCorner) << "the window shows the skinned frame";
    const struct {
        const char* how;
        std::function<void(HDC)> print;
    } captures[] = {
        {"PrintWindow", [&](HDC dc) { PrintWindow(w, dc, 0); }},
        {"WM_PRINT", [&](HDC dc) { SendMessageA(w, WM_PRINT, WPARAM(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND); }},
    };
    for (const auto& capture : captures) {
        const std::vector<COLORREF> printed = Captured(w, capture.print);
        ASSERT_EQ(printed.size(), own.size()) << capture.how;
        int differ = 0, firstX = -1, firstY = -1;
        COLORREF firstOwn = 0, firstPrinted = 0;
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                if (!test::InWindowRegion(w, x, y) || printed[std::size_t(y) * W + x] == own[std::size_t(y) * W + x])
                    continue;
                if (differ++ == 0) firstX = x, firstY = y, firstOwn = own[std::size_t(y) * W + x],
                                   firstPrinted = printed[std::size_t(y) * W + x];
            }
        }
        EXPECT_EQ(differ, 0) << capture.how << ": pixels that differ from the window's own DC, the first at " << firstX
                             << "," << firstY << std::hex << " (" << firstPrinted << " instead of " << firstOwn << ")";
    }
}

// Before a move to a monitor of another scale: the client area scaled exactly, the frame at the
// new scale around it (Pane's client area lies 4, 24, 4 and 4 pixels inside the window at 100 %).
TEST_F(FramePainting, DpiScaledSizeKeepsTheClientAreaExact) {
    constexpr UINT kGetDpiScaledSize = 0x02E4;
    UseTheme(test::WritePaneTheme());
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    bool programAnswers = false;
    window.SetHandler([&](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
        if (message != kGetDpiScaledSize || !programAnswers) return false;
        *reinterpret_cast<SIZE*>(lParam) = SIZE{111, 77};
        result = TRUE;
        return true;
    });
    HWND w = Skin(window);
    const struct {
        const char* what;
        UINT dpi;
        SIZE pending, expected;
        bool programAnswers;
    } rows[] = {
        {"200 %", 192, {W, H}, {2 * (W - 8) + 16, 2 * (H - 28) + 56}, false},
        {"150 %: 232 x 132 becomes 348 x 198", 144, {W, H}, {348 + 12, 198 + 42}, false},
        {"125 % of a size being dragged: 292 x 172 becomes 365 x 215", 120, {300, 200}, {365 + 10, 215 + 35}, false},
        {"the program's own answer stands", 192, {W, H}, {111, 77}, true},
    };
    for (const auto& row : rows) {
        programAnswers = row.programAnswers;
        SIZE size = row.pending;
        EXPECT_EQ(SendMessageA(w, kGetDpiScaledSize, row.dpi, reinterpret_cast<LPARAM>(&size)), TRUE) << row.what;
        EXPECT_EQ(size.cx, row.expected.cx) << row.what;
        EXPECT_EQ(size.cy, row.expected.cy) << row.what;
    }
}

}  // namespace
}  // namespace vt
