#pragma once
// The procedure every registered window runs instead of its own. Non-client messages of themed
// windows go to the frame engine and the menu bar; everything else, and everything while no
// theme is loaded, reaches the window's previous procedure unchanged. No error ever leaves it.
#include <windows.h>

#include <cstdint>

namespace vt {

LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// How many messages our own work failed on since the process started (each answered by the
// system instead): a fault that no one sees otherwise.
std::uint32_t FailedFrameMessages();

}  // namespace vt
