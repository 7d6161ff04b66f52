#pragma once
// A themed window's own scroll bars (WS_VSCROLL, WS_HSCROLL): placed inside the client element at
// the system's sizes for the window's scale, and drawn by the system itself after the frame, so
// that they look and work as on an unskinned window whatever the theme draws there.
#include <windows.h>

#include "common/Rect.h"
#include "frame/ScrollBarPlacement.h"
#include "frame/win32/WindowGeometry.h"

namespace vt {

// The bars in `clientArea` (the client element's rectangle below any menu bar, window
// coordinates), kept inside the window.
ScrollBarPlacement WindowScrollBars(const WindowGeometry& g, const Rect& clientArea);

// The grip's hit-test value: the window's sizing corner where the grip can size it, else nowhere.
std::int32_t GripHitCode(const WindowGeometry& g, HWND window);

// Has the system draw the bars (its default non-client painting, clipped to them) and fills the
// grip with the face colour, as it does on an unskinned window.
void DrawSystemScrollBars(HWND window, const WindowGeometry& g, const ScrollBarPlacement& bars);

}  // namespace vt
