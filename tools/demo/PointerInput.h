#pragma once
// Real pointer and key input, as a person gives it (SendInput), each followed by a pause for
// the programs to take it in.
#include <windows.h>

namespace vt::demo {

// Moves the pointer to screen point (x, y).
void PointerTo(int x, int y);
// A mouse button event: MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, ...
void Button(DWORD flag);
// One key pressed and released.
void Key(WORD key);
// One key pressed and released with another held (VK_MENU, VK_CONTROL).
void KeyWith(WORD modifier, WORD key);

}  // namespace vt::demo
