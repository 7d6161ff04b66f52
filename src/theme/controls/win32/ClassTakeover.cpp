#include "theme/controls/win32/ClassTakeover.h"

namespace vt {
namespace {

struct RestoreRequest {
    const char* className;
    WNDPROC ours;
    WNDPROC saved;
    HWND ofOurClass;  // a live window of our class, found on the way
};

BOOL CALLBACK RestoreChild(HWND window, LPARAM param) {
    RestoreRequest& request = *reinterpret_cast<RestoreRequest*>(param);
    char name[64];
    if (!GetClassNameA(window, name, sizeof name) || lstrcmpiA(name, request.className) != 0) return TRUE;
    if (reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC)) == request.ours) request.ofOurClass = window;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == request.ours)
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
    // First choice: a global class of our module, which every module of the process finds before
    // the system's, so that the buttons of other DLLs' dialogs are themed too. Where the system
    // refuses a global class of a system class's name (Wine does), the class is registered as
    // the system described it: local to the program's own instance.
    WNDCLASSA global = record_;
    global.hInstance = ModuleOf(replacement);
    global.style |= CS_GLOBALCLASS;
    if (RegisterClassA(&global)) {
        record_ = global;
    } else {
        if (!record_.hInstance) record_.hInstance = GetModuleHandleA(nullptr);
        if (!RegisterClassA(&record_)) return false;
    }
    taken_ = true;
    return true;
}

void ClassTakeover::GiveBack() {
    if (!taken_) return;
    RestoreRequest request{className_.c_str(), replacement_, saved_, nullptr};
    EnumWindows(RestoreTopLevel, reinterpret_cast<LPARAM>(&request));
    // A class with live windows cannot be removed; it then gets the system's procedure, so
    // that its later windows no longer reach ours either.
    if (!UnregisterClassA(className_.c_str(), record_.hInstance) && request.ofOurClass)
        SetClassLongPtrA(request.ofOurClass, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved_));
    taken_ = false;
}

}  // namespace vt
