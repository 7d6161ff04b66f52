#pragma once
// Programs that draw their own frame: many answer WM_NCCALCSIZE themselves so that their client
// area covers the title bar (or the whole window), and paint a title bar of their own there. A
// themed frame around it would be a second title bar, so such a window is left to its program.
// It is told by comparing the program's answer to the calculation with the system's default one.
#include <windows.h>

namespace vt {

struct ClientAreaAnswer {
    LRESULT result = 0;     // the program's result for the message
    bool ownFrame = false;  // its client area differs from the system's default
};

// Passes the real WM_NCCALCSIZE (wParam, lParam) to the program (`previous`, null: the default
// procedure), which answers it in place, and compares that with the default answer to a copy.
ClientAreaAnswer AskProgramForClientArea(WNDPROC previous, bool unicode, HWND window, WPARAM wParam, LPARAM lParam);

// The same comparison for the window as it is now, on a calculation of our own (wParam TRUE)
// that changes nothing: for a window that has not been asked yet (before its size fix-up).
bool ProgramDrawsOwnFrame(WNDPROC previous, bool unicode, HWND window);

}  // namespace vt
