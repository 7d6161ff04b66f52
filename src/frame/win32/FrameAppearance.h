#pragma once
// What a themed window looks like: its shape, the borders and client area its frame leaves, the
// frame's picture and the theme's idle scripts, and the zoom drawn on the screen when it shows.
// The defaults are the engine with no theme.
#include <windows.h>

#include <cstdint>

#include "common/win32/UniqueHandle.h"

namespace vt {

// How far the frame reaches outside the client area of a window of a given size, except at the
// top, which counts to the caption: a maximised window hides these borders outside the work area
// and shows its whole caption.
struct FrameBorders {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

class FrameAppearance {
public:
    virtual ~FrameAppearance() = default;

    // The window's new shape (null: none). `shrunk`: the window is rolled up to the theme's
    // shrink rectangle.
    virtual UniqueGdiObject BuildRegion(HWND window, LONG_PTR style, bool shrunk) {
        (void)window; (void)style; (void)shrunk;
        return UniqueGdiObject();
    }
    virtual FrameBorders Borders(HWND window, std::int32_t width, std::int32_t height) {
        (void)window; (void)width; (void)height;
        return {};
    }
    // WM_NCCALCSIZE.
    virtual LRESULT CalcClientArea(HWND window, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window, WM_NCCALCSIZE, wParam, lParam);
    }
    // How much wider and higher than its client area a window of this size is when framed at
    // `dpi` (the menu bar strip counts to the frame).
    virtual SIZE FrameInset(HWND window, std::int32_t width, std::int32_t height, std::int32_t dpi) {
        (void)window; (void)width; (void)height; (void)dpi;
        return SIZE{0, 0};
    }
    virtual void PaintFrame(HWND window, bool active) { (void)window; (void)active; }
    // The same frame drawn onto a device context of the caller's, in window coordinates (a
    // screen capture, a print of the window).
    virtual void PaintFrameOnto(HWND window, HDC dc, bool active) { (void)window; (void)dc; (void)active; }
    // Redraws the elements of these indexes (one outside the element list, such as -1, is skipped).
    virtual void RepaintElements(HWND window, std::intptr_t first, std::intptr_t second, bool active) {
        (void)window; (void)first; (void)second; (void)active;
    }
    virtual void RunIdleScripts(HWND window, bool active) { (void)window; (void)active; }
    // The user changed the colour scheme (WM_SYSCOLORCHANGE, which every top-level window hears):
    // the theme's colours that follow it are made again, once for the process. The caller
    // repaints its window.
    virtual void SystemColoursChanged() {}
    virtual void ZoomRect(const RECT& from, const RECT& to, int steps) { (void)from; (void)to; (void)steps; }
};

}  // namespace vt
