#pragma once
// What a themed window looks like: its shape, the borders and client area its frame leaves, the
// frame's picture and the theme's idle scripts, and the zoom drawn on the screen when it shows.
#include <windows.h>

#include <cstdint>

#include "common/win32/UniqueHandle.h"

#include "frame/win32/ThemeView.h"

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
    virtual UniqueGdiObject BuildRegion(ThemeView& view, HWND window, LONG_PTR style, bool shrunk) = 0;
    virtual FrameBorders Borders(ThemeView& view, HWND window, std::int32_t width, std::int32_t height) = 0;
    // WM_NCCALCSIZE.
    virtual LRESULT CalcClientArea(ThemeView& view, HWND window, WPARAM wParam, LPARAM lParam) = 0;
    // How much wider and higher than its client area a window of this size is when framed at
    // `dpi` (the menu bar strip counts to the frame).
    virtual SIZE FrameInset(ThemeView& view, HWND window, std::int32_t width, std::int32_t height, std::int32_t dpi) = 0;
    virtual void PaintFrame(ThemeView& view, HWND window, bool active) = 0;
    // The same frame drawn onto a device context of the caller's, in window coordinates (a
    // screen capture, a print of the window).
    virtual void PaintFrameOnto(ThemeView& view, HWND window, HDC dc, bool active) = 0;
    // Redraws the elements of these indexes (one outside the element list, such as -1, is skipped).
    virtual void RepaintElements(ThemeView& view, HWND window, std::intptr_t first, std::intptr_t second, bool active) = 0;
    virtual void RunIdleScripts(ThemeView& view, HWND window, bool active) = 0;
    // The user changed the colour scheme (WM_SYSCOLORCHANGE, which every top-level window hears):
    // the theme's colours that follow it are made again, once for the process. The caller
    // repaints its window.
    virtual void SystemColoursChanged(ThemeView& view) = 0;
    virtual void ZoomRect(ThemeView& view, const RECT& from, const RECT& to, int steps) = 0;
};

}  // namespace vt
