#include "frame/win32/WindowScrollBars.h"

#include "common/win32/UniqueHandle.h"
#include "common/win32/WindowDpi.h"
#include "graphics/win32/GdiGuards.h"
#include "theme/model/ElementCode.h"

namespace vt {

ScrollBarPlacement WindowScrollBars(const WindowGeometry& g, const Rect& clientArea) {
    if ((g.style & (kStyleVScroll | kStyleHScroll)) == 0) return ScrollBarPlacement{clientArea, {}, {}, {}};
    const Rect inside{clientArea.Left > 0 ? clientArea.Left : 0, clientArea.Top > 0 ? clientArea.Top : 0,
                      clientArea.Right < g.width ? clientArea.Right : g.width,
                      clientArea.Bottom < g.height ? clientArea.Bottom : g.height};
    const ScrollBarSizes sizes{SystemMetricAtDpi(SM_CXVSCROLL, g.dpi), SystemMetricAtDpi(SM_CYHSCROLL, g.dpi)};
    return PlaceScrollBars(inside, g.style, g.exStyle, sizes);
}

std::int32_t GripHitCode(const WindowGeometry& g, HWND window) {
    // Dragging the grip sizes the window from the corner it lies in, as a grip does; on a window
    // that cannot be sized (or is maximised) it does nothing.
    if ((g.style & WS_THICKFRAME) == 0 || IsZoomed(window)) return kCodeNowhere;
    return (g.exStyle & kExStyleLeftScrollBar) ? kCodeBottomLeft : kCodeBottomRight;
}

void DrawSystemScrollBars(HWND window, const WindowGeometry& g, const ScrollBarPlacement& bars) {
    if (!bars.Any()) return;
    if (!bars.grip.IsEmpty()) {
        // The grip first: the system may draw the bars' ends a pixel into it.
        WindowDc dc(window, GetWindowDC(window));
        if (!dc) return;
        const RECT grip{bars.grip.Left, bars.grip.Top, bars.grip.Right, bars.grip.Bottom};
        FillRect(dc.Get(), &grip, GetSysColorBrush(COLOR_BTNFACE));
    }
    // The default painting clips to the region given (screen coordinates); the caller keeps it.
    UniqueGdiObject region(CreateRectRgn(0, 0, 0, 0));
    if (!region) return;
    for (const Rect& part : {bars.vertical, bars.horizontal, bars.grip}) {
        if (part.IsEmpty()) continue;
        UniqueGdiObject piece(
            CreateRectRgn(g.left + part.Left, g.top + part.Top, g.left + part.Right, g.top + part.Bottom));
        if (piece) CombineRgn(static_cast<HRGN>(region.get()), static_cast<HRGN>(region.get()),
                              static_cast<HRGN>(piece.get()), RGN_OR);
    }
    DefWindowProcA(window, WM_NCPAINT, reinterpret_cast<WPARAM>(region.get()), 0);
}

}  // namespace vt
