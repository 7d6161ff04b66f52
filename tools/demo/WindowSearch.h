#pragma once
// Waiting for a program's windows on the desktop (FindMainWindow: tools/controller/ChildProcess.h).
#include <windows.h>

#include <functional>

#include "ChildProcess.h"

namespace vt::demo {

// Waits for `done`, handling this thread's messages meanwhile; false when the time ran out.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000);

}  // namespace vt::demo
