#pragma once
// The procedure every registered window runs instead of its own. Non-client messages of themed
// windows go to the frame engine and the menu bar; everything else, and everything while no
// theme is loaded, reaches the window's previous procedure unchanged. No error ever leaves it.
#include <windows.h>

namespace vt {

LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vt
