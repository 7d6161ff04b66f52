#include "frame/win32/WindowGeometry.h"

#include "common/win32/WindowDpi.h"
#include "frame/ElementGeometry.h"

namespace vt {

WindowGeometry ReadWindowGeometry(HWND window) {
    WindowGeometry g;
    g.style = std::uint32_t(GetWindowLongPtrA(window, GWL_STYLE));
    g.exStyle = std::uint32_t(GetWindowLongPtrA(window, GWL_EXSTYLE));
    RECT r{};
    if (GetWindowRect(window, &r)) {
        g.left = r.left;
        g.top = r.top;
        g.width = r.right - r.left;
        g.height = r.bottom - r.top;
    }
    g.menu = GetMenu(window);
    g.hasMenuBar = (g.style & kStyleChild) == 0 && g.menu && GetMenuItemCount(g.menu) > 0;
    g.dpi = WindowDpi(window);
    return g;
}

std::string WindowText(HWND window) {
    char buffer[256] = {};
    int n = window ? GetWindowTextA(window, buffer, sizeof buffer) : 0;
    return std::string(buffer, n > 0 ? std::size_t(n) : 0);
}

}  // namespace vt
