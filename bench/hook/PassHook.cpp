// The baseline for hook_bench: a system-wide WH_CALLWNDPROC hook that does nothing but call the
// next hook. Under Wine any hook makes every sent message much dearer, so the module is compared
// with this, never with no hook at all.
#include <windows.h>

namespace {

HINSTANCE g_instance = nullptr;
HHOOK g_hook = nullptr;

LRESULT CALLBACK PassHookProc(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

extern "C" {

void WINAPI InstallPassHook() {
    if (!g_hook) g_hook = SetWindowsHookExA(WH_CALLWNDPROC, PassHookProc, g_instance, 0);
}

void WINAPI RemovePassHook() {
    if (g_hook) UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
}

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    return TRUE;
}
