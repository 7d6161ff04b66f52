// The loader's entry point. It runs with the loader lock held, so it only records where the
// module lives and makes notices real message boxes (memory only); the start work waits for the
// first hook call or export (see ModuleLifecycle.h).
#include <windows.h>

#include "common/win32/NoticeWin32.h"
#include "hook/ModuleInstance.h"
#include "hook/ModuleLifecycle.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    try {
        if (reason == DLL_PROCESS_ATTACH) {
            vt::SetModuleInstance(instance);
            vt::InstallWin32NoticeHandlers();
        } else if (reason == DLL_PROCESS_DETACH) {
            vt::EndModule(reserved != nullptr);
        }
    } catch (...) {
    }
    return TRUE;
}
