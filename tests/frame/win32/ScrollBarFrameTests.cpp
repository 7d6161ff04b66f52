// A themed window with its own scroll bars, with the real engine inside the test process: the
// client area leaves them their room inside the client element, the hit test answers them, the
// system draws them exactly as on an unskinned twin of the same client size, and real clicks on
// an arrow, the thumb and the trough reach the program. Also run at 150 % and 200 %
// (run_scaled_frame_tests.sh).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "common/Dpi.h"
#include "common/win32/UniqueHandle.h"
#include "graphics/win32/GdiGuards.h"

namespace vt {
namespace {

constexpr const char* kClass = "VtScrollingProbe";

// What reached the probe's own procedure: (message, scroll code) of WM_VSCROLL and WM_HSCROLL.
std::vector<std::pair<UINT, WORD>> g_scrolls;

LRESULT CALLBACK ScrollingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL || message == WM_HSCROLL) g_scrolls.emplace_back(message, LOWORD(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string Scrolls() {
    std::string text;
    for (const auto& [m, c] : g_scrolls) text += (m == WM_VSCROLL ? " V" : " H") + std::to_string(c);
    return text;
}

bool Received(UINT message, WORD code) {
    for (const auto& [m, c] : g_scrolls)
        if (m == message && c == code) return true;
    return false;
}

RECT ScreenRect(HWND w, const RECT& inWindow) {
    RECT r{};
    GetWindowRect(w, &r);
    return RECT{r.left + inWindow.left, r.top + inWindow.top, r.left + inWindow.right, r.top + inWindow.bottom};
}

class ScrollBarFrame : public test::EngineTest {
protected:
    void SetUp() override {
        test::EngineTest::SetUp();
        test::RegisterPlainClass(kClass, ScrollingProc);
        WindowDc screen(nullptr, GetDC(nullptr));
        dpi_ = GetDeviceCaps(screen.Get(), LOGPIXELSY);
        g_scrolls.clear();
    }
    void TearDown() override {
        test::PointerScript::Move(POINT{600, 700});  // off the windows of later tests
        test::EngineTest::TearDown();
    }
    int S(int length) const { return int(ScaleLength(length, dpi_)); }

    // A probe with both bars, ranges 0..100, at (x, y).
    HWND Probe(int x, int y, int width, int height) {
        windows_.emplace_back(CreateWindowExA(0, kClass, "Scrolling", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, x,
                                              y, width, height, nullptr, nullptr, nullptr, nullptr));
        HWND w = windows_.back().get();
        for (int bar : {SB_VERT, SB_HORZ}) {
            SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 0, 0};
            SetScrollInfo(w, bar, &info, FALSE);
        }
        return w;
    }

    std::vector<UniqueWindow> windows_;
    int dpi_ = 96;
};

// The bar's rectangle as the system sees it, in window coordinates.
RECT SystemBar(HWND w, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(w, object, &info);
    RECT r{};
    GetWindowRect(w, &r);
    return RECT{info.rcScrollBar.left - r.left, info.rcScrollBar.top - r.top, info.rcScrollBar.right - r.left,
                info.rcScrollBar.bottom - r.top};
}

TEST_F(ScrollBarFrame, BarsKeepTheirPlaceLookAndClicksInsideTheClientElement) {
    UseTheme(test::WritePaneTheme());
    RecordProperty("dpi", dpi_);
    const int width = S(200), height = S(160);
    HWND w = Probe(S(20), S(20), width, height);
    state_->registry.RegisterWindow(w, true);
    SetWindowPos(w, HWND_TOP, S(20), S(20), width, height, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    SetForegroundWindow(w);
    test::PumpMessages();

    // The unskinned twin, of the same client size, beside it.
    const RECT client = test::ClientInWindow(w);
    HWND twin = Probe(S(20) + width + 20, S(20), width, height);
    {
        const RECT own = test::ClientInWindow(twin);
        RECT outer{};
        GetWindowRect(twin, &outer);
        SetWindowPos(twin, nullptr, 0, 0, outer.right - outer.left + (client.right - client.left) - (own.right - own.left),
                     outer.bottom - outer.top + (client.bottom - client.top) - (own.bottom - own.top),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    test::PumpMessages();
    const RECT twinClient = test::ClientInWindow(twin);
    ASSERT_EQ(twinClient.right - twinClient.left, client.right - client.left);
    ASSERT_EQ(twinClient.bottom - twinClient.top, client.bottom - client.top);
    const int cx = SystemBar(twin, OBJID_VSCROLL).right - SystemBar(twin, OBJID_VSCROLL).left;
    const int cy = SystemBar(twin, OBJID_HSCROLL).bottom - SystemBar(twin, OBJID_HSCROLL).top;
    ASSERT_GT(cx, 0);

    // Pane's client element is (4, 24)-(W-4, H-4) at 100 %: the bars take the right and bottom of it.
    EXPECT_EQ(client.left, S(4)) << dpi_;
    EXPECT_EQ(client.top, S(24));
    EXPECT_EQ(client.right, width - S(4) - cx);
    EXPECT_EQ(client.bottom, height - S(4) - cy);
    const RECT vertical = SystemBar(w, OBJID_VSCROLL), horizontal = SystemBar(w, OBJID_HSCROLL);
    EXPECT_EQ(vertical.left, client.right) << "the system tracks the bar where it is drawn";
    EXPECT_EQ(horizontal.top, client.bottom);

    const POINT middle{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    const struct {
        const char* part;
        POINT at;
        LRESULT code;
    } hits[] = {{"vertical bar", {client.right + cx / 2, middle.y}, HTVSCROLL},
                {"horizontal bar", {middle.x, client.bottom + cy / 2}, HTHSCROLL},
                {"grip", {client.right + cx / 2, client.bottom + cy / 2}, HTBOTTOMRIGHT},
                {"client", middle, HTCLIENT},
                {"the border right of the vertical bar", {client.right + cx + 1, middle.y}, HTRIGHT}};
    for (const auto& hit : hits) {
        const RECT screen = ScreenRect(w, RECT{hit.at.x, hit.at.y, 0, 0});
        EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(screen.left, screen.top)), hit.code) << hit.part;
    }

    // The bars and the grip, pixel for pixel as the system draws them on the twin, after a full
    // paint and after an activation change repaints the frame.
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
    } steps[] = {{"painted", WM_NCPAINT, 1}, {"deactivated", WM_NCACTIVATE, FALSE}, {"activated", WM_NCACTIVATE, TRUE}};
    for (const auto& step : steps) {
        SendMessageA(w, step.message, step.wParam, 0);
        test::PumpMessages();
        const test::Picture mine = test::Capture(w), theirs = test::Capture(twin);
        int differ = 0;
        for (int y = 0; y < client.bottom - client.top + cy; ++y)
            for (int x = 0; x < client.right - client.left + cx; ++x) {
                if (x < client.right - client.left && y < client.bottom - client.top) continue;  // the client area
                if (mine.At(client.left + x, client.top + y) != theirs.At(twinClient.left + x, twinClient.top + y)) ++differ;
            }
        EXPECT_EQ(differ, 0) << step.name << ": scroll bar pixels differ from the unskinned twin's";
    }

    // Real clicks: the down arrow, the thumb dragged, the horizontal trough right of its thumb.
    RECT outer{};
    GetWindowRect(w, &outer);
    const POINT down{outer.left + client.right + cx / 2, outer.top + client.bottom - cx / 2};
    ASSERT_TRUE(test::PointerScript({down}).Play());
    EXPECT_TRUE(Received(WM_VSCROLL, SB_LINEDOWN)) << "the down arrow";
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0) << "the program moves its own thumb (DefWindowProc does not)";

    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(w, OBJID_VSCROLL, &info);
    const POINT thumb{down.x, info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
    g_scrolls.clear();
    ASSERT_TRUE(test::PointerScript({thumb, {thumb.x, thumb.y + S(10)}, {thumb.x, thumb.y + S(30)}}).Play());
    EXPECT_TRUE(Received(WM_VSCROLL, SB_THUMBTRACK)) << "the thumb dragged";
    EXPECT_TRUE(Received(WM_VSCROLL, SB_THUMBPOSITION));

    g_scrolls.clear();
    const POINT trough{outer.left + client.right - 2 * cy, outer.top + client.bottom + cy / 2};
    ASSERT_TRUE(test::PointerScript({trough}).Play());
    EXPECT_TRUE(Received(WM_HSCROLL, SB_PAGERIGHT)) << "the trough right of the thumb:" << Scrolls();
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace vt
