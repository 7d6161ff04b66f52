#include "common/win32/WindowDpi.h"

#include <atomic>

#include "common/Dpi.h"

namespace vt {
namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiProc = int(WINAPI*)(int, UINT);

// A user32 entry point that older systems lack, looked up once per process; a plain function
// pointer, nothing to release.
template <typename Proc>
Proc User32Entry(const char* name, std::atomic<bool>& looked, std::atomic<Proc>& found) {
    if (!looked.load(std::memory_order_acquire)) {
        HMODULE user = GetModuleHandleA("user32.dll");
        found.store(user ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(user, name))) : nullptr);
        looked.store(true, std::memory_order_release);
    }
    return found.load();
}

GetDpiForWindowProc DpiForWindow() {
    static std::atomic<bool> looked{false};
    static std::atomic<GetDpiForWindowProc> found{nullptr};
    return User32Entry("GetDpiForWindow", looked, found);
}

GetSystemMetricsForDpiProc MetricsForDpi() {
    static std::atomic<bool> looked{false};
    static std::atomic<GetSystemMetricsForDpiProc> found{nullptr};
    return User32Entry("GetSystemMetricsForDpi", looked, found);
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

int SystemMetricAtDpi(int index, std::int32_t dpi) {
    if (GetSystemMetricsForDpiProc proc = MetricsForDpi()) return proc(index, UINT(dpi));
    return GetSystemMetrics(index);
}

}  // namespace vt
