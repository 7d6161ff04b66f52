#pragma once
// The Win32 side of painting a themed window's frame: the window's device context and text, the
// client area kept out of the drawing, the elements (ElementPainter), the window icon, and the
// menu bar strip. Painting goes straight onto the window's device context (or one the caller gives).
#include <windows.h>

#include <cstdint>

#include "frame/win32/FrameMenus.h"
#include "frame/win32/ThemeView.h"
#include "graphics/win32/GdiResources.h"
#include "theme/ThemeState.h"

namespace vt {

struct FramePaintTools {
    ThemeState& theme;
    GdiResources& resources;
    FrameMenus* menus;        // null: the strip is left to the elements
    HWND hoverWindow;         // the shared area's hover window
    std::int32_t dpi = 0;     // the scale to frame at; 0: the window's own (a preview sets one)
    // The message's view, whose layout of the window the pass reads and extends (null: the pass
    // makes a layout of its own).
    ThemeView* view = nullptr;
    HWND pressedWindow = nullptr;  // the window whose frame button is held down (null: any, a preview)
};

// The whole frame: every element, then the menu bar.
void PaintFrame(const FramePaintTools& tools, HWND window, bool active);
// The same frame drawn onto another device context in window coordinates (a memory bitmap of
// the window's size), so that the picture does not depend on the window being on screen.
void PaintFrameOnto(const FramePaintTools& tools, HWND window, HDC dc, bool active);
// The elements of the two indexes only (hover and press feedback); no menu bar.
void RepaintElements(const FramePaintTools& tools, HWND window, std::intptr_t first, std::intptr_t second,
                     bool active);
// Every element's OnIdle word, with a surface on the window.
void RunIdleScripts(const FramePaintTools& tools, HWND window, bool active);

}  // namespace vt
