#pragma once
// What the frame needs to know of a window before it computes or paints anything.
#include <windows.h>

#include <cstdint>
#include <string>

#include "theme/model/ElementList.h"

namespace vt {

struct WindowGeometry {
    std::uint32_t style = 0;  // GWL_STYLE
    std::uint32_t exStyle = 0;  // GWL_EXSTYLE
    std::int32_t left = 0;    // the window rectangle's corner on the screen
    std::int32_t top = 0;
    std::int32_t width = 0;   // of the window rectangle
    std::int32_t height = 0;
    HMENU menu = nullptr;
    bool hasMenuBar = false;  // a menu with items, on a window that is no child
    std::int32_t dpi = 96;    // the display scale it is framed at (WindowDpi)
};

WindowGeometry ReadWindowGeometry(HWND window);

// The window as an element layout is keyed; `active`: whose caption font the words measure with.
inline LayoutWindow LayoutOf(HWND window, const WindowGeometry& g, bool active = true) {
    return LayoutWindow{reinterpret_cast<std::uintptr_t>(window), g.width, g.height, g.style, g.dpi, active};
}

// The window's text, at most 255 characters; empty when it has none.
std::string WindowText(HWND window);

}  // namespace vt
