#include "theme/win32/ClassTakeover.h"

namespace vt {
namespace {

struct RestoreRequest {
    const char* className;
    WNDPROC ours;
    WNDPROC saved;
};

bool IsOurs(HWND window, const RestoreRequest& request) {
    char name[64];
    if (!GetClassNameA(window, name, sizeof name) || lstrcmpiA(name, request.className) != 0) return false;
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == request.ours;
}

BOOL CALLBACK RestoreChild(HWND window, LPARAM param) {
    const RestoreRequest& request = *reinterpret_cast<const RestoreRequest*>(param);
    if (IsOurs(window, request))
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(request.saved));
    return TRUE;
}

BOOL CALLBACK RestoreTopLevel(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    RestoreChild(window, param);
    EnumChildWindows(window, RestoreChild, param);  // all descendants, not only direct children
    return TRUE;
}

// The module that holds the procedure: the class belongs to it, and it must outlive the class.
HINSTANCE ModuleOf(WNDPROC procedure) {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(procedure), &module);
    return module;
}

}  // namespace

bool ClassTakeover::Take(const std::string& className, WNDPROC replacement) {
    if (taken_) return true;
    WNDCLASSA record{};
    if (!GetClassInfoA(nullptr, className.c_str(), &record)) return false;
    className_ = className;
    record_ = record;
    saved_ = record_.lpfnWndProc;
    replacement_ = replacement;
    record_.lpfnWndProc = replacement;
    record_.lpszClassName = className_.c_str();
    // A class of our module that every module of the process finds before the system's: a
    // class local to the system's instance would only serve windows created with that
    // instance, and the exe's and other DLLs' dialogs would keep the system drawing.
    record_.hInstance = ModuleOf(replacement);
    record_.style |= CS_GLOBALCLASS;
    taken_ = RegisterClassA(&record_) != 0;
    return taken_;
}

void ClassTakeover::GiveBack() {
    if (!taken_) return;
    UnregisterClassA(className_.c_str(), record_.hInstance);
    RestoreRequest request{className_.c_str(), replacement_, saved_};
    EnumWindows(RestoreTopLevel, reinterpret_cast<LPARAM>(&request));
    taken_ = false;
}

}  // namespace vt
