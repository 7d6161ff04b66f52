// The loader's entry point. It runs with the loader lock held, so it only records where the
// module lives, makes notices real message boxes (memory only) and maps the shared area (kernel
// work); the start work waits for the first hook call or export (see ModuleLifecycle.h).
#include <windows.h>

#include "common/win32/NoticeWin32.h"
#include "common/win32/ModuleInstance.h"
#include "common/win32/SharedArea.h"
#include "hook/ModuleLifecycle.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    try {
        if (reason == DLL_PROCESS_ATTACH) {
            vt::SetModuleInstance(instance);
            vt::InstallWin32NoticeHandlers();
            // A controller maps the area and sets its `enabled` byte right after loading us, before
            // InstallHook: the area must exist by then. Mapping it is kernel work, safe under the
            // loader lock; a failure is reported (with a box) by the start instead.
            vt::ProcessSharedArea().Open(true);
        } else if (reason == DLL_PROCESS_DETACH) {
            vt::EndModule(reserved != nullptr);
        }
    } catch (...) {
    }
    return TRUE;
}
