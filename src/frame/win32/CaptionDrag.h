#pragma once
// Moving a window by its caption: a modal loop on the window's thread that follows the pointer
// until the left button is released.
#include <windows.h>

namespace vt {

// Brings the window forward and moves it with the pointer, which was pressed at `pressedAt`
// (screen coordinates), by the pointer's positions in the mouse messages. The loop also ends when
// the window is destroyed or loses the capture, and on WM_QUIT, which it posts again for the
// program's own loop; it never waits longer than a short poll without looking at those.
// A maximised window is only brought forward.
void DragCaption(HWND window, POINT pressedAt);

}  // namespace vt
