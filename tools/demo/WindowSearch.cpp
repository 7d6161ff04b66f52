#include "WindowSearch.h"

namespace vt::demo {
namespace {

struct Search {
    DWORD id;
    HWND found;
};

BOOL CALLBACK Visit(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner != s->id || !IsWindowVisible(w) || GetParent(w)) return TRUE;
    s->found = w;
    return FALSE;
}

}  // namespace

HWND FindMainWindow(DWORD processId) {
    Search s{processId, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        Sleep(50);
    }
}

}  // namespace vt::demo
