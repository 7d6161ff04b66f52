// frame_bench [--rounds N] [--paints P] [--regions R] [--out FILE] [--scaled 1]
// The frame engine's costs inside this process (vt_module linked in, no hook installed: under
// Wine any WH_CALLWNDPROC hook makes every sent message far dearer than what is measured here):
//  1. a full WM_NCPAINT of a skinned 1024x768 window against Wine's own frame paint of the same
//     window unskinned (an identical window that is not registered: DefWindowProc paints it);
//  2. BuildRegion of a 1920x1080 window whose stretched pieces have transparent pixels
//     (AUTOEXCLUDE=1), against the same theme with AUTOEXCLUDE=0;
//  3. a repaint of one element through the repaint message against the full frame paint;
//  4. WM_NCHITTEST of a skinned window with 20 elements against Wine's own hit test of its
//     unskinned twin, with the pointer moving within the caption (no hover change);
//  5. a hover change end to end: the hit test that moves the hover from one button to another,
//     running the old one's OnMouseExit and the new one's OnMouseEnter and repainting both.
// Each round times both sides back to back, the order flipping every round, so that both see the
// same load from whatever else runs on the machine; the figures are medians of the rounds. After
// the figures, where a full paint goes: the part every pass pays and each element's share.
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "ControllerConfig.h"
#include "FrameTestSupport.h"
#include "common/Notice.h"
#include "common/win32/UniqueHandle.h"
#include "frame/TransparentRuns.h"
#include "frame/win32/FrameWindowDc.h"
#include "frame/win32/WindowGeometry.h"
#include "frame/win32/WindowRegion.h"
#include "graphics/win32/GdiSurface.h"
#include "graphics/ScaledPixels.h"
#include "graphics/win32/GdiGuards.h"
#include "hook/ModuleLifecycle.h"
#include "hook/ModuleState.h"
#include "theme/ThemeState.h"

namespace {

// Everything printed goes to stdout and, when asked, to a file as well: a program started by a
// Wine desktop may have no console to write to.
FILE* g_copy = nullptr;

void Say(const char* format, ...) {
    char line[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::fputs(line, stdout);
    std::fflush(stdout);
    if (g_copy) {
        std::fputs(line, g_copy);
        std::fflush(g_copy);
    }
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart);
    }();
    LARGE_INTEGER t{};
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / frequency;
}

// Milliseconds per call of `count` calls, after a few that warm caches up.
double MsPerCall(int count, const std::function<void()>& call) {
    for (int i = 0; i < std::max(2, count / 10); ++i) call();
    const double start = Now();
    for (int i = 0; i < count; ++i) call();
    return (Now() - start) * 1000.0 / count;
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// A 24-bit BMP of `width` x `height` whose pixel (x, y) (top row first) is `pixel(x, y)` as
// 0xRRGGBB; its Windows path in the temporary folder.
std::string WriteBmp(const char* name, int width, int height, const std::function<unsigned(int, int)>& pixel) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> data(std::size_t(stride) * height);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = data.data() + std::size_t(height - 1 - y) * stride;  // bottom-up
        for (int x = 0; x < width; ++x) {
            unsigned c = pixel(x, y);
            row[x * 3] = (unsigned char)(c & 0xFF);
            row[x * 3 + 1] = (unsigned char)((c >> 8) & 0xFF);
            row[x * 3 + 2] = (unsigned char)((c >> 16) & 0xFF);
        }
    }
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = DWORD(file.bfOffBits + data.size());
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = DWORD(data.size());
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "vt-frame-bench-" + std::to_string(GetCurrentProcessId()) + "-" + name + ".bmp";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, f);
        std::fwrite(&info, sizeof info, 1, f);
        std::fwrite(data.data(), 1, data.size(), f);
        std::fclose(f);
    }
    return path;
}

constexpr unsigned kKey = 0xFF00FF;

// The Pane theme with a title drawn from a 1024-wide image and a bottom edge from a 1024-wide
// strip, both stretched and both with see-through pixels, as a decorated real theme has them:
// a wavy top edge and rivet holes in the title, a crenellated bottom edge. `dithered`: the
// title's top rows fade out in a checkerboard instead, which gives the region thousands of runs.
enum class Edge { Wavy, Dithered };

std::string WriteWideTheme(std::vector<std::string>& files, Edge edge, bool autoExclude) {
    static std::string wavy, dithered, bottom;
    if (wavy.empty()) {
        auto body = [](int x, int y) -> unsigned { return y < 12 ? 0xC80000 + unsigned(x / 8) : 0x00A000 + unsigned(x / 8); };
        wavy = WriteBmp("wavy", 1024, 24, [&](int x, int y) -> unsigned {
            const int wave = x % 24 < 12 ? x % 24 : 23 - x % 24;  // 0..11..0
            if (y < 1 + wave / 3) return kKey;
            if (x % 64 >= 30 && x % 64 < 33 && y >= 11 && y < 13) return kKey;
            return body(x, y);
        });
        dithered = WriteBmp("dithered", 1024, 24, [&](int x, int y) -> unsigned {
            return y < 4 && (x + y) % 2 == 0 ? kKey : body(x, y);
        });
        bottom = WriteBmp("bottom", 1024, 4, [](int x, int y) -> unsigned {
            return y >= 2 && (x / 6) % 2 == 0 ? kKey : 0x646464;
        });
        files.insert(files.end(), {wavy, dithered, bottom});
    }
    const std::string& title = edge == Edge::Wavy ? wavy : dithered;
    std::vector<std::pair<std::string, std::string>> edits = {
        {"[IMAGES]\n", "[IMAGES]\nwidetitle " + title + " FF00FF\nwidebottom " + bottom + " FF00FF\n"},
        {"TOP TLS:8,0 TR:-8,24 title title titleoff", "TOP TLS:8,0 TR:-8,24 widetitle widetitle widetitle"},
        {"BOTTOM BLS:4,-4 BR:-4,0 bottom bottom bottom", "BOTTOM BLS:4,-4 BR:-4,0 widebottom widebottom widebottom"},
    };
    if (!autoExclude) edits.push_back({"AUTOEXCLUDE=1", "AUTOEXCLUDE=0"});
    std::string path = vt::test::WritePaneTheme(edits);
    files.push_back(path);
    return path;
}

// The windows measured: a class of our own whose procedure lets a window grow past the screen
// (the 1920x1080 one lives in a 1024x768 desktop) and leaves the rest to DefWindowProc.
LRESULT CALLBACK BenchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETMINMAXINFO) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxTrackSize = POINT{4096, 4096};
        info->ptMaxSize = POINT{4096, 4096};
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* BenchClass() {
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = BenchProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "VeltraneFrameBench";
        RegisterClassA(&wc);
        return "VeltraneFrameBench";
    }();
    return name;
}

class BenchWindow {
public:
    BenchWindow(const char* title, int width, int height)
        : window_(CreateWindowExA(0, BenchClass(), title, WS_OVERLAPPEDWINDOW, 0, 0, width, height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~BenchWindow() {
        if (window_) {
            if (vt::ModuleState* state = vt::ModuleStateIfStarted()) state->registry.UnregisterWindow(window_);
            DestroyWindow(window_);
        }
    }
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;
    HWND Get() const { return window_; }
    SIZE Size() const {
        RECT r{};
        GetWindowRect(window_, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }

private:
    HWND window_;
};

// Puts `window` on top of the desktop, fully visible and active, and the others out of sight, so
// that every paint timed covers the whole window and no other window clips it.
void Bring(HWND window, std::initializer_list<HWND> others) {
    for (HWND other : others) ShowWindow(other, SW_HIDE);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    Pump();
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    Pump();
}

struct Options {
    int rounds = 15;
    int paints = 60;
    int regions = 15;
    bool scaled = false;  // only figure 1, a 2048x1536 window at the screen's scale (run at 200 %)
};

void FullPaint(HWND window) { SendMessageA(window, WM_NCPAINT, 1, 0); }

// Both sides of a round back to back, the order flipping every round, so that both see the same load.
template <typename First, typename Second>
void InTurn(int round, First first, Second second) {
    if (round % 2 == 0) {
        first();
        second();
    } else {
        second();
        first();
    }
}

// BuildRegion as one message calls it: a view of its own, the theme lock let go afterwards.
vt::UniqueGdiObject Region(vt::FrameAppearance& appearance, HWND window, LONG_PTR style) {
    vt::ThemeView view;
    return appearance.BuildRegion(view, window, style, false);
}

// Figures 1 and 3 for one theme, and the breakdown of a full paint.
void MeasureAlternatives(HWND window, const Options& o);

void MeasurePainting(vt::ModuleState& state, const char* label, const Options& o, std::intptr_t element,
                     bool breakdown, bool experiments, int width = 1024, int height = 768) {
    BenchWindow own("Frame bench", width, height), skinned("Frame bench", width, height);
    state.registry.RegisterWindow(skinned.Get(), true);
    SetWindowPos(skinned.Get(), HWND_TOP, 0, 0, width, height, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(own.Get(), HWND_TOP, 0, 0, width, height, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER);
    // The shape the module gives a skinned window (its WM_SIZE does it; the size does not change
    // here), so that painting is clipped as it is for real.
    vt::FrameAppearance& appearance = *state.frame;
    vt::UniqueGdiObject shape = Region(appearance, skinned.Get(), GetWindowLongPtrA(skinned.Get(), GWL_STYLE));
    if (shape && SetWindowRgn(skinned.Get(), static_cast<HRGN>(shape.get()), TRUE)) shape.release();
    const SIZE s = skinned.Size(), w = own.Size();
    const UINT repaint = state.frame->RepaintMessage();
    const HWND sk = skinned.Get(), ow = own.Get();

    std::vector<double> ownMs, skinnedMs, singleMs, ratios, singleRatios;
    for (int round = 0; round < o.rounds; ++round) {
        double ownT = 0, skT = 0, oneT = 0;
        auto timeOwn = [&] {
            Bring(ow, {sk});
            ownT = MsPerCall(o.paints, [&] { FullPaint(ow); });
        };
        auto timeSkinned = [&] {
            Bring(sk, {ow});
            skT = MsPerCall(o.paints, [&] { FullPaint(sk); });
            oneT = MsPerCall(o.paints, [&] { SendMessageA(sk, repaint, WPARAM(element), LPARAM(-1)); });
        };
        InTurn(round, timeOwn, timeSkinned);
        ownMs.push_back(ownT);
        skinnedMs.push_back(skT);
        singleMs.push_back(oneT);
        ratios.push_back(skT / ownT);
        singleRatios.push_back(oneT / skT);
    }
    Say("[%s] window %ldx%ld (unskinned twin %ldx%ld), %d rounds of %d paints each side\n", label, s.cx, s.cy,
        w.cx, w.cy, o.rounds, o.paints);
    Say("  1. full WM_NCPAINT, skinned            : %8.4f ms\n", Median(skinnedMs));
    Say("     full WM_NCPAINT, Wine's own frame   : %8.4f ms\n", Median(ownMs));
    Say("     ratio skinned/own %.3f (median of the rounds' ratios; goal <= 1.0)\n", Median(ratios));
    Say("  3. repaint of element %d alone          : %8.4f ms\n", int(element), Median(singleMs));
    Say("     ratio single/full %.3f (median of the rounds' ratios; goal <= 0.2)\n", Median(singleRatios));
    if (!breakdown) return;

    // Where a full paint goes. The repaint message with no valid index does everything a pass
    // does (the text, the DC, the geometry, the client area kept out) but draw; each element's
    // share is its single repaint less that.
    Bring(sk, {ow});
    const vt::ThemeState& theme = state.themeState;
    const int count = theme.Elements ? int(theme.Elements->Count()) : 0;
    std::vector<std::vector<double>> perElement(static_cast<std::size_t>(count));
    std::vector<double> full, pass, send, dc, direct, text, geometry, surface, dcKept;
    vt::GdiResources resources;
    for (int round = 0; round < o.rounds; ++round) {
        full.push_back(MsPerCall(o.paints, [&] { FullPaint(sk); }));
        direct.push_back(MsPerCall(o.paints, [&] { vt::ThemeView view; appearance.PaintFrame(view, sk, true); }));
        pass.push_back(MsPerCall(o.paints, [&] { SendMessageA(sk, repaint, WPARAM(-1), LPARAM(-1)); }));
        send.push_back(MsPerCall(o.paints * 10, [&] { SendMessageA(sk, WM_NULL, 0, 0); }));
        dc.push_back(MsPerCall(o.paints * 4, [&] { vt::WindowDc d(sk, GetWindowDC(sk)); }));
        dcKept.push_back(MsPerCall(o.paints * 4, [&] { vt::FrameWindowDc d(sk); }));
        text.push_back(MsPerCall(o.paints * 4, [&] { vt::WindowText(sk); }));
        geometry.push_back(MsPerCall(o.paints * 4, [&] { vt::ReadWindowGeometry(sk); }));
        {
            vt::WindowDc d(sk, GetWindowDC(sk));
            surface.push_back(MsPerCall(o.paints * 4, [&] {
                vt::GdiSurface on(d.Get(), resources);
                on.PreparedDc();
            }));
        }
        for (int i = 0; i < count; ++i) {
            perElement[std::size_t(i)].push_back(
                MsPerCall(o.paints, [&] { SendMessageA(sk, repaint, WPARAM(i), LPARAM(-1)); }));
        }
    }
    const double passMs = Median(pass);
    Say("  where a full paint of %.4f ms goes (PaintFrame called directly: %.4f ms):\n", Median(full), Median(direct));
    Say("     SendMessage to the subclassed window alone      : %8.4f ms\n", Median(send));
    Say("     GetWindowDC + ReleaseDC alone                   : %8.4f ms\n", Median(dc));
    Say("     the pass's DC (no reset on release) alone       : %8.4f ms\n", Median(dcKept));
    Say("     the window's text alone                         : %8.4f ms\n", Median(text));
    Say("     the window's geometry alone                     : %8.4f ms\n", Median(geometry));
    Say("     a surface made, prepared and ended alone        : %8.4f ms\n", Median(surface));
    Say("     a pass drawing nothing (DC, geometry, client)    : %8.4f ms\n", passMs);
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        const vt::TUIElement& e = theme.Elements->At(i);
        const double share = Median(perElement[std::size_t(i)]) - passMs;
        sum += share;
        Say("     element %2d (hit %3d%s%-8s) %5dx%-4d            : %8.4f ms\n", i, int(e.HitCode),
            e.Name.empty() ? "" : ", ", e.Name.c_str(), e.Rect.Width(), e.Rect.Height(), share);
    }
    Say("     pass + the elements' shares                     : %8.4f ms\n", passMs + sum);
    if (experiments) MeasureAlternatives(sk, o);
}

// Figures 4 and 5, on the input tests' theme with four more buttons (20 elements).
void MeasureInput(vt::ModuleState& state, const Options& o) {
    BenchWindow own("Frame bench", 1024, 768), skinned("Frame bench", 1024, 768);
    state.registry.RegisterWindow(skinned.Get(), true);
    SetWindowPos(skinned.Get(), HWND_TOP, 0, 0, 1024, 768, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(own.Get(), HWND_TOP, 0, 0, 1024, 768, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER);
    const HWND sk = skinned.Get(), ow = own.Get();
    const int count = state.themeState.Elements ? int(state.themeState.Elements->Count()) : 0;
    // Two points of the caption, and the middles of close and maximise (12 x 12, 8 pixels down,
    // 9 and 25 pixels in from the right).
    const LPARAM captionA = MAKELPARAM(300, 12), captionB = MAKELPARAM(301, 13);
    const LPARAM close = MAKELPARAM(1024 - 15, 13), maximise = MAKELPARAM(1024 - 31, 13);
    const int n = o.paints * 10;
    std::vector<double> ownMs, skMs, ratios, hoverMs, paintMs;
    for (int round = 0; round < o.rounds; ++round) {
        double ownT = 0, skT = 0;
        auto timeOwn = [&] {
            Bring(ow, {sk});
            bool flip = false;
            ownT = MsPerCall(n, [&] { SendMessageA(ow, WM_NCHITTEST, 0, (flip = !flip) ? captionA : captionB); });
        };
        auto timeSkinned = [&] {
            Bring(sk, {ow});
            bool flip = false;
            skT = MsPerCall(n, [&] { SendMessageA(sk, WM_NCHITTEST, 0, (flip = !flip) ? captionA : captionB); });
        };
        InTurn(round, timeOwn, timeSkinned);
        ownMs.push_back(ownT);
        skMs.push_back(skT);
        ratios.push_back(skT / ownT);
        bool flip = false;
        hoverMs.push_back(MsPerCall(o.paints, [&] { SendMessageA(sk, WM_NCHITTEST, 0, (flip = !flip) ? close : maximise); }));
        paintMs.push_back(MsPerCall(o.paints, [&] { FullPaint(sk); }));
    }
    Say("[input] window 1024x768, %d elements, %d rounds of %d hit tests each side\n", count, o.rounds, n);
    Say("  4. WM_NCHITTEST, skinned               : %8.4f ms\n", Median(skMs));
    Say("     WM_NCHITTEST, Wine's own            : %8.4f ms\n", Median(ownMs));
    Say("     ratio skinned/own %.3f (median of the rounds' ratios; goal <= 1.5)\n", Median(ratios));
    Say("  5. hover change (exit + enter words, two elements repainted): %8.4f ms\n", Median(hoverMs));
    Say("     full WM_NCPAINT of the same window                       : %8.4f ms\n", Median(paintMs));
}

struct RegionCase {
    const char* label;
    std::string theme;
};

// Figure 2: BuildRegion of a 1920x1080 window for each theme, the themes taking turns (one
// switch per measurement, in a different order every round).
void MeasureRegion(vt::ModuleState& state, const std::vector<RegionCase>& cases, const Options& o) {
    BenchWindow window("Frame bench", 1920, 1080);
    SetWindowPos(window.Get(), HWND_BOTTOM, 0, 0, 1920, 1080, SWP_NOMOVE | SWP_NOACTIVATE);
    const SIZE s = window.Size();
    const LONG_PTR style = GetWindowLongPtrA(window.Get(), GWL_STYLE);
    std::vector<std::vector<double>> times(cases.size());
    std::vector<DWORD> rects(cases.size(), 0);
    vt::FrameAppearance& appearance = *state.frame;
    for (int round = 0; round < o.rounds; ++round) {
        for (std::size_t k = 0; k < cases.size(); ++k) {
            const std::size_t c = (k + std::size_t(round)) % cases.size();
            vt::WriteControllerValue("Theme", cases[c].theme);
            state.Theme().SwitchTheme();
            times[c].push_back(MsPerCall(o.regions, [&] {
                vt::UniqueGdiObject region = Region(appearance, window.Get(), style);
                if (!rects[c] && region) {
                    const auto shape = static_cast<HRGN>(region.get());
                    std::vector<unsigned char> data(GetRegionData(shape, 0, nullptr));
                    if (!data.empty() && GetRegionData(shape, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data())))
                        rects[c] = reinterpret_cast<RGNDATA*>(data.data())->rdh.nCount;
                }
            }));
        }
    }
    Say("[region] window %ldx%ld, %d rounds of %d calls per theme\n", s.cx, s.cy, o.rounds, o.regions);
    for (std::size_t c = 0; c < cases.size(); ++c) {
        Say("  %s %-50s (%5lu rectangles): %8.4f ms per call\n", c == 0 ? "2." : "  ", cases[c].label, rects[c],
            Median(times[c]));
    }
    Say("     goal <= 2 ms per call with AUTOEXCLUDE=1\n");
}

// Where BuildRegion's time goes for one theme: the transparent cut of its largest transparent
// element (the stretched title) taken apart into the steps ElementShape takes, each timed alone;
// and, for comparison, the steps of cutting the transparent runs out of the rectangle instead.
void MeasureRegionParts(vt::ModuleState& state, const char* label, const std::string& theme, const Options& o) {
    BenchWindow window("Frame bench", 1920, 1080);
    SetWindowPos(window.Get(), HWND_BOTTOM, 0, 0, 1920, 1080, SWP_NOMOVE | SWP_NOACTIVATE);
    const LONG_PTR style = GetWindowLongPtrA(window.Get(), GWL_STYLE);
    vt::WriteControllerValue("Theme", theme);
    state.Theme().SwitchTheme();
    vt::FrameAppearance& appearance = *state.frame;
    vt::UniqueGdiObject first = Region(appearance, window.Get(), style);  // computes the rectangles
    const vt::ThemeState& t = state.themeState;
    const vt::TUIElement* widest = nullptr;
    for (std::size_t i = 0; t.Elements && i < t.Elements->Count(); ++i) {
        const vt::TUIElement& e = t.Elements->At(std::ptrdiff_t(i));
        if (e.NormalBitmap && e.NormalBitmap->Transparent() && 
            (!widest || std::int64_t(e.Rect.Width()) * e.Rect.Height() > std::int64_t(widest->Rect.Width()) * widest->Rect.Height()))
            widest = &e;
    }
    if (!widest) return;
    const vt::Bitmap& image = *widest->NormalBitmap;
    const vt::Rect rect = widest->Rect, visible{0, 0, 1920, 1080};
    const vt::Rect part = vt::Intersection(rect, visible);
    const vt::Colour key = image.TransparentColor();
    const vt::Bitmap work = vt::MakeWorkImage(image, rect, part, widest->Anchor1);
    const std::vector<vt::Rect> runs = vt::TransparentRuns(work, key);
    std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = DWORD(runs.size());
    header->rcBound = RECT{0, 0, part.Width(), part.Height()};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < runs.size(); ++i) rects[i] = RECT{runs[i].Left, runs[i].Top, runs[i].Right, runs[i].Bottom};
    const auto* regionData = reinterpret_cast<const RGNDATA*>(data.data());
    std::vector<double> whole, cut, workT, runsT, create, combine, oneByOne, tree;
    for (int round = 0; round < o.rounds; ++round) {
        whole.push_back(MsPerCall(o.regions, [&] { vt::UniqueGdiObject r = Region(appearance, window.Get(), style); }));
        cut.push_back(MsPerCall(o.regions, [&] { vt::UniqueGdiObject piece = vt::ElementShape(image, rect, visible, widest->Anchor1); }));
        workT.push_back(MsPerCall(o.regions, [&] { vt::Bitmap w = vt::MakeWorkImage(image, rect, part, widest->Anchor1); }));
        runsT.push_back(MsPerCall(o.regions, [&] { std::vector<vt::Rect> r = vt::OpaqueRuns(work, key); }));
        create.push_back(MsPerCall(o.regions, [&] {
            vt::UniqueGdiObject r(ExtCreateRegion(nullptr, DWORD(data.size()), regionData));
        }));
        combine.push_back(MsPerCall(o.regions, [&] {
            vt::UniqueGdiObject piece(CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom));
            vt::UniqueGdiObject r(ExtCreateRegion(nullptr, DWORD(data.size()), regionData));
            const auto p = static_cast<HRGN>(piece.get()), q = static_cast<HRGN>(r.get());
            OffsetRgn(q, part.Left, part.Top);
            CombineRgn(p, p, q, RGN_OR);
            CombineRgn(p, p, q, RGN_XOR);
        }));
        // The same runs given to GDI row by row, each row's runs one region, cut one at a time:
        // what a cut costs when GDI never sees thousands of rectangles at once.
        oneByOne.push_back(MsPerCall(o.regions, [&] {
            vt::UniqueGdiObject piece(CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom));
            const auto p = static_cast<HRGN>(piece.get());
            std::size_t from = 0;
            while (from < runs.size()) {
                std::size_t to = from;
                while (to < runs.size() && runs[to].Top == runs[from].Top) ++to;
                std::vector<unsigned char> row(sizeof(RGNDATAHEADER) + (to - from) * sizeof(RECT));
                auto* h = reinterpret_cast<RGNDATAHEADER*>(row.data());
                *h = *header;
                h->nCount = DWORD(to - from);
                std::memcpy(row.data() + sizeof(RGNDATAHEADER), rects + from, (to - from) * sizeof(RECT));
                vt::UniqueGdiObject r(ExtCreateRegion(nullptr, DWORD(row.size()), reinterpret_cast<RGNDATA*>(row.data())));
                const auto q = static_cast<HRGN>(r.get());
                OffsetRgn(q, part.Left, part.Top);
                CombineRgn(p, p, q, RGN_DIFF);
                from = to;
            }
        }));
        // The runs given to GDI 64 at a time, the pieces then unioned pairwise (a balanced tree),
        // so that no union ever walks a region much larger than the pair it joins.
        tree.push_back(MsPerCall(o.regions, [&] {
            std::vector<vt::UniqueGdiObject> pieces;
            for (std::size_t from = 0; from < runs.size(); from += 64) {
                const std::size_t n = std::min<std::size_t>(64, runs.size() - from);
                std::vector<unsigned char> chunk(sizeof(RGNDATAHEADER) + n * sizeof(RECT));
                auto* h = reinterpret_cast<RGNDATAHEADER*>(chunk.data());
                *h = *header;
                h->nCount = DWORD(n);
                std::memcpy(chunk.data() + sizeof(RGNDATAHEADER), rects + from, n * sizeof(RECT));
                pieces.emplace_back(ExtCreateRegion(nullptr, DWORD(chunk.size()), reinterpret_cast<RGNDATA*>(chunk.data())));
            }
            while (pieces.size() > 1) {
                std::vector<vt::UniqueGdiObject> joined;
                for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
                    const auto a = static_cast<HRGN>(pieces[i].get()), b = static_cast<HRGN>(pieces[i + 1].get());
                    CombineRgn(a, a, b, RGN_OR);
                    joined.push_back(std::move(pieces[i]));
                }
                if (pieces.size() % 2) joined.push_back(std::move(pieces.back()));
                pieces = std::move(joined);
            }
            vt::UniqueGdiObject piece(CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom));
            const auto p = static_cast<HRGN>(piece.get());
            if (!pieces.empty()) {
                const auto q = static_cast<HRGN>(pieces[0].get());
                OffsetRgn(q, part.Left, part.Top);
                CombineRgn(p, p, q, RGN_DIFF);
            }
        }));
    }
    Say("  where BuildRegion's %.4f ms go (%s; its %dx%d stretched title, %zu runs):\n", Median(whole), label,
        rect.Width(), rect.Height(), runs.size());
    Say("     ElementShape of the title                        : %8.4f ms\n", Median(cut));
    Say("       MakeWorkImage (the title stretched to its rect)  : %8.4f ms\n", Median(workT));
    Say("       OpaqueRuns (the runs the region keeps, %5zu)     : %8.4f ms\n", vt::OpaqueRuns(work, key).size(), Median(runsT));
    Say("       ExtCreateRegion of the runs                      : %8.4f ms\n", Median(create));
    Say("       ExtCreateRegion + OffsetRgn + CombineRgn OR, XOR : %8.4f ms\n", Median(combine));
    Say("     experiment: one region per row, RGN_DIFF each    : %8.4f ms\n", Median(oneByOne));
    Say("     experiment: 64 runs a region, unioned as a tree  : %8.4f ms\n", Median(tree));
}

// Quick experiments on the skinned window's DC, beside what the painter does now: the drawing
// calls a tiled 4x2 side and a small transparent piece cost in Wine's GDI, and cheaper ways to
// draw the same pixels.
void MeasureAlternatives(HWND window, const Options& o) {
    Bring(window, {});
    auto section = [](int w, int h, int bits, const std::function<unsigned(int, int)>& pixel) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = WORD(bits);
        void* data = nullptr;
        vt::UniqueGdiObject made(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &data, nullptr, 0));
        if (made && bits == 32) {
            auto* p = static_cast<std::uint32_t*>(data);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) p[y * w + x] = pixel(x, y);
        }
        return made;
    };
    auto ringed = [](int x, int y) -> unsigned { return x == 0 || x == 11 || y == 0 || y == 11 ? kKey : 0xFFFF00; };
    vt::UniqueGdiObject tile = section(4, 2, 32, [](int, int y) -> unsigned { return y ? 0x00C8C8 : 0x0000C8; });
    vt::UniqueGdiObject keyed = section(12, 12, 32, ringed);
    // The same button premultiplied, its see-through pixels with alpha 0.
    vt::UniqueGdiObject alpha = section(12, 12, 32, [&](int x, int y) -> unsigned {
        return ringed(x, y) == kKey ? 0u : 0xFF000000u | ringed(x, y);
    });
    // For the two-blit way: a mask (white where see-through) and the image black there.
    vt::UniqueGdiObject mask = section(12, 12, 32, [&](int x, int y) -> unsigned { return ringed(x, y) == kKey ? 0xFFFFFF : 0; });
    vt::UniqueGdiObject holed = section(12, 12, 32, [&](int x, int y) -> unsigned { return ringed(x, y) == kKey ? 0 : ringed(x, y); });
    vt::UniqueGdiObject pattern(CreatePatternBrush(static_cast<HBITMAP>(tile.get())));
    vt::WindowDc dc(window, GetWindowDC(window));
    vt::MemoryDc source(dc.Get()), second(dc.Get());
    if (!dc || !source || !second || !tile || !keyed || !alpha || !mask || !holed || !pattern) {
        Say("  (the experiments could not get their GDI objects)\n");
        return;
    }
    auto bits = [](const vt::UniqueGdiObject& o) { return static_cast<HBITMAP>(o.get()); };
    const HDC d = dc.Get(), s = source.Get();
    std::vector<double> tiles, patterned, transparent, alphaBlend, twoBlits, selectOnly;
    const int n = o.paints;
    for (int round = 0; round < o.rounds; ++round) {
        // A 4x744 side as the painter tiles it: one selection and BitBlt per copy.
        tiles.push_back(MsPerCall(n, [&] {
            for (int y = 24; y < 768; y += 2) {
                vt::SelectGuard in(s, bits(tile));
                BitBlt(d, 0, y, 4, 2, s, 0, 0, SRCCOPY);
            }
        }));
        patterned.push_back(MsPerCall(n, [&] {
            SetBrushOrgEx(d, 0, 24, nullptr);
            RECT side{0, 24, 4, 768};
            FillRect(d, &side, static_cast<HBRUSH>(pattern.get()));
        }));
        selectOnly.push_back(MsPerCall(n * 4, [&] { vt::SelectGuard in(s, bits(tile)); }));
        transparent.push_back(MsPerCall(n, [&] {
            vt::SelectGuard in(s, bits(keyed));
            GdiTransparentBlt(d, 1000, 6, 12, 12, s, 0, 0, 12, 12, RGB(255, 0, 255));
        }));
        alphaBlend.push_back(MsPerCall(n, [&] {
            vt::SelectGuard in(s, bits(alpha));
            BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            GdiAlphaBlend(d, 1000, 6, 12, 12, s, 0, 0, 12, 12, blend);
        }));
        twoBlits.push_back(MsPerCall(n, [&] {
            vt::SelectGuard in(s, bits(mask));
            vt::SelectGuard in2(second.Get(), bits(holed));
            BitBlt(d, 1000, 6, 12, 12, s, 0, 0, SRCAND);
            BitBlt(d, 1000, 6, 12, 12, second.Get(), 0, 0, SRCPAINT);
        }));
    }
    Say("  experiments on the window's DC (median of %d rounds of %d):\n", o.rounds, n);
    Say("     4x744 side, 372 selections + BitBlts of a 4x2 tile  : %8.4f ms\n", Median(tiles));
    Say("     4x744 side, one FillRect with a pattern brush       : %8.4f ms\n", Median(patterned));
    Say("     one SelectObject pair alone                         : %8.4f ms\n", Median(selectOnly));
    Say("     12x12 keyed piece, GdiTransparentBlt                : %8.4f ms\n", Median(transparent));
    Say("     12x12 piece, GdiAlphaBlend of a premultiplied form  : %8.4f ms\n", Median(alphaBlend));
    Say("     12x12 piece, mask SRCAND + image SRCPAINT           : %8.4f ms\n", Median(twoBlits));
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--rounds") == 0) o.rounds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--paints") == 0) o.paints = std::max(5, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--regions") == 0) o.regions = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--out") == 0) g_copy = std::fopen(argv[i + 1], "w");
        else if (std::strcmp(argv[i], "--scaled") == 0) o.scaled = std::atoi(argv[i + 1]) != 0;
    }
    std::vector<std::string> notices;
    vt::ScopedNoticeHandler quiet([&](const std::string& caption, const std::string& text, unsigned) {
        notices.push_back(caption + ": " + text);
    });
    int beeps = 0;
    vt::SetBeepHandler([&](unsigned, unsigned) { ++beeps; });

    int status = 0;
    std::vector<std::string> files;
    {
        vt::ControllerValueRestorer restoreTheme("Theme");
        if (!vt::EnsureModuleStarted()) {
            Say("frame_bench: the module did not start\n");
            return 1;
        }
        vt::ModuleState& state = *vt::ModuleStateIfStarted();
        state.sharedArea.SetHoverWindow(nullptr);
        const bool savedEnabled = state.sharedArea.NewWindowsEnabled();
        state.sharedArea.SetNewWindowsEnabled(true);

        auto use = [&](const std::string& path) {
            vt::WriteControllerValue("Theme", path);
            state.Theme().SwitchTheme();
            if (!state.frame->ThemeLoaded()) {
                Say("frame_bench: the theme %s did not load\n", path.c_str());
                return false;
            }
            return true;
        };
        const std::string pane = vt::test::WritePaneTheme();
        files.push_back(pane);
        const std::string wide = WriteWideTheme(files, Edge::Wavy, true);
        constexpr std::intptr_t kClose = 7;  // the close button, as hovering repaints it
        Say("frame_bench: median of %d rounds; times per call\n", o.rounds);
        if (o.scaled) {
            // Figure 1 only, on a window twice the usual size at the screen's scale (run at 200 %).
            HDC screen = GetDC(nullptr);
            const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
            ReleaseDC(nullptr, screen);
            const std::string label = "Pane at " + std::to_string(dpi * 100 / 96) + " %";
            if (use(pane)) MeasurePainting(state, label.c_str(), o, kClose, false, false, 2048, 1536);
            else status = 1;
        } else {
            if (use(pane)) MeasurePainting(state, "Pane", o, kClose, true, true);
            else status = 1;
            if (use(wide)) MeasurePainting(state, "Pane, 1024-wide transparent title and bottom", o, kClose, true, false);
            else status = 1;
            const std::string input = vt::test::WriteInputTheme(
                {{"[IGNORED]", "HELP TR:-84,8 TR:-73,19 btn btndown btn btnhot\nNEXT TR:-100,8 TR:-89,19 btn btndown btn btnhot\n"
                               "PREV TR:-116,8 TR:-105,19 btn btndown btn btnhot\nTASKLIST TR:-132,8 TR:-121,19 btn btndown btn btnhot\n"
                               "[IGNORED]"}});
            files.push_back(input);
            if (use(input)) MeasureInput(state, o);
            else status = 1;
            if (use(wide)) {
                MeasureRegion(state,
                              {{"AUTOEXCLUDE=1, wavy title, crenellated bottom", wide},
                               {"AUTOEXCLUDE=1, dithered title, crenellated bottom", WriteWideTheme(files, Edge::Dithered, true)},
                               {"AUTOEXCLUDE=0, the same pieces uncut", WriteWideTheme(files, Edge::Wavy, false)}},
                              o);
                MeasureRegionParts(state, "dithered title", WriteWideTheme(files, Edge::Dithered, true), o);
            } else {
                status = 1;
            }
        }

        state.registry.UnsubclassAll();
        vt::WriteControllerValue("Theme", "");
        state.Theme().SwitchTheme();
        state.sharedArea.SetNewWindowsEnabled(savedEnabled);
    }
    for (const std::string& f : files) DeleteFileA(f.c_str());
    for (const std::string& n : notices) Say("notice: %s\n", n.c_str());
    if (beeps) Say("frame_bench: %d beeps (a drawing or region call failed)\n", beeps);
    Say("frame_bench: done\n");
    if (g_copy) std::fclose(g_copy);
    return status;
}
