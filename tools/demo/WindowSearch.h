#pragma once
// Finding a program's windows on the desktop.
#include <windows.h>

#include <functional>

namespace vt::demo {

// The process's first visible top-level window; null when it shows none (yet).
HWND FindMainWindow(DWORD processId);

// Waits for `done`, handling this thread's messages meanwhile; false when the time ran out.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000);

}  // namespace vt::demo
