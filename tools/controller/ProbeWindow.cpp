// vtprobe: one top-level window that answers questions about itself, for the demo controller,
// the hook tests and the hook benchmark. Usage:
//   vtprobe --class NAME [--style frame|sysmenu|popup] [--lifetime-ms N]
// It exits 0 when a window of it is closed, and 3 when its lifetime runs out first (so a probe that
// nobody closes never lingers).
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "ProbeProtocol.h"

namespace {

LONG g_seen = 0;
HWND CreateProbeWindow();

LRESULT CALLBACK ProbeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT StateBits(HWND window) {
    LRESULT bits = 0;
    auto procedure = reinterpret_cast<void*>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    HMODULE veltrane = GetModuleHandleA("veltrane.dll");
    if (veltrane) bits |= vt::probe::kVeltraneLoaded;
    MEMORY_BASIC_INFORMATION info{};
    if (veltrane && VirtualQuery(procedure, &info, sizeof info) == sizeof info &&
        info.AllocationBase == static_cast<void*>(veltrane)) {
        bits |= vt::probe::kProcedureInVeltrane;
    }
    if (procedure == reinterpret_cast<void*>(&ProbeWindowProc)) bits |= vt::probe::kProcedureIsOwn;
    return bits;
}

LRESULT CALLBACK ProbeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++g_seen;
    switch (message) {
    case vt::probe::kQueryState:
        return StateBits(window);
    case vt::probe::kQueryCount:
        return g_seen;
    case vt::probe::kEcho:
        return lParam + 1;
    case vt::probe::kNewWindow:
        return reinterpret_cast<LRESULT>(CreateProbeWindow());
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

DWORD StyleNamed(const std::string& name) {
    if (name == vt::probe::kStyleSysMenu) return WS_CAPTION | WS_SYSMENU;
    if (name == vt::probe::kStylePopup) return WS_POPUP;
    return WS_OVERLAPPEDWINDOW;
}

std::string g_className = "VtProbe";
std::string g_style = vt::probe::kStyleFrame;

HWND CreateProbeWindow() {
    return CreateWindowExA(0, g_className.c_str(), "Veltrane probe", StyleNamed(g_style) | WS_VISIBLE, 40, 40, 320, 200,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

// --load-module PATH: what a controller sees right after loading the module, before it calls
// anything: the shared area must be there to be mapped and switched on.
int CheckSharedAreaAtLoad(const char* modulePath) {
    auto areaExists = [] {
        HANDLE area = OpenFileMappingA(FILE_MAP_READ, FALSE, "Veltrane Shared Area");
        if (area) CloseHandle(area);
        return area != nullptr;
    };
    if (areaExists()) return vt::probe::kAreaExistedBefore;
    HMODULE module = LoadLibraryA(modulePath);
    if (!module) return vt::probe::kModuleNotLoaded;
    int result = areaExists() ? vt::probe::kAreaMadeByLoad : vt::probe::kAreaMissing;
    FreeLibrary(module);
    return result;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc == 3 && std::strcmp(__argv[1], "--load-module") == 0) return CheckSharedAreaAtLoad(__argv[2]);
    UINT lifetimeMs = 60000;
    for (int i = 1; i + 1 < __argc; i += 2) {
        if (std::strcmp(__argv[i], "--class") == 0) g_className = __argv[i + 1];
        else if (std::strcmp(__argv[i], "--style") == 0) g_style = __argv[i + 1];
        else if (std::strcmp(__argv[i], "--lifetime-ms") == 0) lifetimeMs = UINT(std::strtoul(__argv[i + 1], nullptr, 10));
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ProbeWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = g_className.c_str();
    if (!RegisterClassA(&windowClass) || !CreateProbeWindow()) return 2;

    UINT_PTR lifetime = SetTimer(nullptr, 0, lifetimeMs, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == lifetime) return 3;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}
