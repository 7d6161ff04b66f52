#include "hook/PrintedFrame.h"

#include "graphics/win32/GdiGuards.h"

namespace vt {

LRESULT PrintWithFrame(FrameAppearance& appearance, ThemeView& view, HWND window, HDC dc, LPARAM flags, bool active,
                       const std::function<LRESULT(LPARAM flags)>& passOn) {
    if (!dc || !(flags & PRF_NONCLIENT)) return passOn(flags);
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(window)) return 0;
    {
        // The frame's pass keeps the client area out of its drawing on the DC it is given.
        SavedDc frameOnly(dc);
        appearance.PaintFrameOnto(view, window, dc, active);
    }
    const LPARAM rest = flags & ~LPARAM(PRF_NONCLIENT);
    if (!(rest & (PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN | PRF_OWNED))) return 0;
    RECT outer{}, client{};
    POINT origin{0, 0};
    if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client) || !ClientToScreen(window, &origin))
        return 0;
    SavedDc saved(dc);
    OffsetViewportOrgEx(dc, origin.x - outer.left, origin.y - outer.top, nullptr);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    return passOn(rest);
}

}  // namespace vt
