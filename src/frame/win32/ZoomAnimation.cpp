#include "frame/win32/ZoomAnimation.h"

#include <optional>

#include "frame/ZoomPath.h"
#include "graphics/win32/GdiGuards.h"

namespace vt {
namespace {

Rect FromRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const Rect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

void ZoomRect(const RECT& from, const RECT& to, int steps) {
    std::optional<WindowDc> screen;  // taken with the first frame: a refused step count draws nothing
    ForEachZoomFrame(FromRect(from), FromRect(to), steps, [&](const ZoomFrame& frame) {
        if (!screen) screen.emplace(nullptr, GetDC(nullptr));
        if (frame.draw) {
            RECT r = ToRect(*frame.draw);
            DrawFocusRect(screen->Get(), &r);
        }
        if (frame.erase) {
            RECT r = ToRect(*frame.erase);
            DrawFocusRect(screen->Get(), &r);
        }
        GdiFlush();
        Sleep(5);
    });
}

}  // namespace vt
