#include "common/win32/WindowDpi.h"

#include <atomic>

#include "common/Dpi.h"

namespace vt {
namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);

// Looked up once per process; a plain function pointer, nothing to release.
GetDpiForWindowProc DpiForWindow() {
    static std::atomic<bool> looked{false};
    static std::atomic<GetDpiForWindowProc> found{nullptr};
    if (!looked.load(std::memory_order_acquire)) {
        HMODULE user = GetModuleHandleA("user32.dll");
        found.store(user ? reinterpret_cast<GetDpiForWindowProc>(
                               reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")))
                         : nullptr);
        looked.store(true, std::memory_order_release);
    }
    return found.load();
}

std::int32_t ScreenDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return kBaseDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

std::int32_t WindowDpi(HWND window) {
    if (GetDpiForWindowProc proc = DpiForWindow()) {
        if (const UINT dpi = window ? proc(window) : 0) return ClampDpi(std::int32_t(dpi));
    }
    return ClampDpi(ScreenDpi());
}

}  // namespace vt
