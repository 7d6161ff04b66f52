#pragma once
// The module's start and end in a process.
//
// Windows calls DllMain with the loader lock held; whatever waits on another thread or loads a
// library there can deadlock the host (a user32 call that sends a message, a registry read that
// pulls in a DLL, a message box). So DllMain only records the instance handle. The start work
// (themed controls, the theme, exclude.cfg, the shared area, the registered messages) runs on
// the first call of the hook procedure that needs it or of an export, outside the loader lock,
// once per process. A thread that comes in while another start is under way (or the starting
// thread itself, re-entered from a message box's loop) is not held up: it treats the module as
// not started yet and lets its message through.
//
// The end runs from DllMain's detach. When the process is terminating (lpReserved non-null)
// it does nothing: the other threads are gone, their windows with them, and the system takes
// back memory and handles; user32 and GDI calls there are what hangs. On a real unload
// (FreeLibrary, or the system unloading the hook module) the windows still pointing at our
// procedure must get theirs back before the code goes away, so the end un-subclasses them
// (regions only for the calling thread's windows, see SubclassRegistry), gives the button class
// back and tears down the rest. The loader lock is still held: nothing there sends to or waits
// for another thread; when another thread is inside a pass (it holds the theme lock), the theme
// is left as it is rather than waited for.
#include <windows.h>

namespace vt {

// Runs the start once in the process; true when the module's state is ready.
bool EnsureModuleStarted();
// `processTerminating`: DllMain's lpReserved was non-null.
void EndModule(bool processTerminating);

}  // namespace vt
