#pragma once
// The system-wide WH_CALLWNDPROC hook: it sees every message sent to a window in any GUI
// process, on the receiving thread, before the window procedure does. It registers new windows,
// drops destroyed ones, and answers the cross-process messages.
#include <windows.h>

namespace vt {

LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

// The system-wide WH_CBT hook of a 32-bit module on 64-bit Windows: it sets HookProc on each
// thread that makes, activates or focuses a window while Veltrane is on (see ThreadHooks.h).
LRESULT CALLBACK ThreadHookStarter(int code, WPARAM wParam, LPARAM lParam);

}  // namespace vt
