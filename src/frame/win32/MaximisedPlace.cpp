#include "frame/win32/MaximisedPlace.h"

#include <cstdint>

namespace vt {
namespace {

// The area the window's client area fills when maximised: a child's is its parent's client area,
// a top-level window's its monitor's work area (relative to the monitor).
bool MaximisedArea(HWND window, RECT& area) {
    if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) return GetClientRect(GetParent(window), &area) != FALSE;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
    area = monitor.rcWork;
    OffsetRect(&area, -monitor.rcMonitor.left, -monitor.rcMonitor.top);
    return true;
}

// The window rectangle whose client area is exactly `area` (the frame's insets measured again at
// the result, since they may depend on the size).
RECT AroundClientArea(FrameAppearance& appearance, ThemeView& view, HWND window, const RECT& area) {
    RECT outer = area;
    for (int pass = 0; pass < 2; ++pass) {
        NCCALCSIZE_PARAMS params{};
        const RECT whole{0, 0, outer.right - outer.left, outer.bottom - outer.top};
        params.rgrc[0] = whole;
        appearance.CalcClientArea(view, window, TRUE, LPARAM(&params));
        const RECT& client = params.rgrc[0];
        outer = RECT{area.left - client.left, area.top - client.top, area.right + whole.right - client.right,
                     area.bottom + whole.bottom - client.bottom};
    }
    return outer;
}

}  // namespace

bool IsMdiDocument(HWND window) { return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0; }

RECT SystemMaximisedDocument(HWND window) {
    RECT r{};
    GetClientRect(GetParent(window), &r);
    AdjustWindowRectEx(&r, DWORD(GetWindowLongPtrA(window, GWL_STYLE) & ~(WS_VSCROLL | WS_HSCROLL)), FALSE,
                       DWORD(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    return r;
}

std::optional<RECT> MaximisedPlace(FrameAppearance& appearance, ThemeView& view, HWND window) {
    RECT area{};
    if (!MaximisedArea(window, area)) return std::nullopt;
    if (IsMdiDocument(window)) return AroundClientArea(appearance, view, window, area);
    const std::int32_t width = area.right - area.left, height = area.bottom - area.top;
    // Borders anchored to the far corners can depend on the size: measured again at the result.
    FrameBorders b = appearance.Borders(view, window, width, height);
    b = appearance.Borders(view, window, width + b.left + b.right, height + b.top + b.bottom);
    return RECT{area.left - b.left, area.top - b.top, area.right + b.right, area.bottom + b.bottom};
}

}  // namespace vt
