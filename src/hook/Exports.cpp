// The module's three exports (stdcall, exported by their plain names through veltrane.def). Each
// starts the module in the process when that has not happened yet, and lets no error out.
#include <windows.h>

#include <cstdint>

#include "common/EntryFault.h"
#include "hook/HookInstaller.h"
#include "hook/ModuleLifecycle.h"

extern "C" {

void WINAPI InstallHook() {
    try {
        if (!vt::EnsureModuleStarted()) return;
        vt::EnterWork("InstallHook");
        vt::InstallHook();
    } catch (...) {
    }
}

void WINAPI RemoveHook() {
    try {
        if (!vt::EnsureModuleStarted()) return;
        vt::EnterWork("RemoveHook");
        vt::RemoveHook();
    } catch (...) {
    }
}

void WINAPI GetThemeInfo(char* buffer, std::uint32_t size) {
    try {
        if (!vt::EnsureModuleStarted()) return;
        vt::EnterWork("GetThemeInfo");
        vt::GetThemeInfo(buffer, size);
    } catch (...) {
    }
}

}  // extern "C"
