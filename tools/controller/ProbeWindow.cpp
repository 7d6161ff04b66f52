// vtprobe: one top-level window that answers questions about itself, for the demo controller,
// the hook tests and the hook benchmark. Usage:
//   vtprobe --class NAME [--style frame|sysmenu|popup] [--lifetime-ms N]
//   vtprobe --class NAME --host MODULE [--exit-detach]   (see HostCheck in ProbeProtocol.h)
// It exits 0 when a window of it is closed, and 3 when its lifetime runs out first (so a probe that
// nobody closes never lingers).
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "ProbeProtocol.h"
#include "common/win32/UniqueHandle.h"

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
        return bool(vt::UniqueKernelHandle(OpenFileMappingA(FILE_MAP_READ, FALSE, "Veltrane Shared Area")));
    };
    if (areaExists()) return vt::probe::kAreaExistedBefore;
    vt::UniqueLibrary module(LoadLibraryA(modulePath));
    if (!module) return vt::probe::kModuleNotLoaded;
    return areaExists() ? vt::probe::kAreaMadeByLoad : vt::probe::kAreaMissing;
}

static bool ProcedureInside(void* procedure, HMODULE module) {
    MEMORY_BASIC_INFORMATION info{};
    return VirtualQuery(procedure, &info, sizeof info) == sizeof info && info.AllocationBase == module;
}

static void* WindowProcedure(HWND window) { return reinterpret_cast<void*>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

static void* ButtonClassProcedure() {
    WNDCLASSA record{};
    return GetClassInfoA(GetModuleHandleA(nullptr), "BUTTON", &record) ? reinterpret_cast<void*>(record.lpfnWndProc)
                                                                        : nullptr;
}

// What the loader does for the module when the process exits: its entry point (the runtime's,
// which runs DllMain and then the module's static destructors) with DLL_PROCESS_DETACH and a
// non-null lpReserved. The runtime then counts the module as detached, so the real exit that
// follows does not run it again.
static void DetachAsAtExit(HMODULE module) {
    auto* base = reinterpret_cast<unsigned char*>(module);
    auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    auto entry = reinterpret_cast<BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID)>(
        base + headers->OptionalHeader.AddressOfEntryPoint);
    entry(module, DLL_PROCESS_DETACH, reinterpret_cast<LPVOID>(1));
}

// --host MODULE: the process is its own controller and ends with its windows open.
static int RunHost(const char* modulePath, bool exitDetach) {
    HMODULE module = LoadLibraryA(modulePath);  // never freed: the process ends holding it
    auto installHook = module ? reinterpret_cast<void(WINAPI*)()>(GetProcAddress(module, "InstallHook")) : nullptr;
    if (!installHook) return vt::probe::kHostModuleNotLoaded;
    installHook();
    HWND window = CreateProbeWindow();
    HWND button = CreateWindowA("BUTTON", "Probe button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 120, 30,
                                window, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window || !ProcedureInside(WindowProcedure(window), module)) return vt::probe::kHostNotSkinned;
    if (!button || !ProcedureInside(WindowProcedure(button), module)) return vt::probe::kHostButtonNotThemed;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    if (exitDetach) {
        void* const before[] = {WindowProcedure(window), WindowProcedure(button), ButtonClassProcedure()};
        DetachAsAtExit(module);
        void* const after[] = {WindowProcedure(window), WindowProcedure(button), ButtonClassProcedure()};
        for (int i = 0; i < 3; ++i) {
            if (before[i] != after[i]) return vt::probe::kHostExitDetachActed;
        }
    }
    return vt::probe::kHostExited;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc == 3 && std::strcmp(__argv[1], "--load-module") == 0) return CheckSharedAreaAtLoad(__argv[2]);
    UINT lifetimeMs = 60000;
    const char* hostModule = nullptr;
    bool exitDetach = false;
    for (int i = 1; i < __argc; ++i) {
        const char* value = i + 1 < __argc ? __argv[i + 1] : nullptr;
        if (std::strcmp(__argv[i], "--exit-detach") == 0) exitDetach = true;
        else if (!value) break;
        else if (std::strcmp(__argv[i], "--class") == 0) g_className = value, ++i;
        else if (std::strcmp(__argv[i], "--style") == 0) g_style = value, ++i;
        else if (std::strcmp(__argv[i], "--lifetime-ms") == 0) lifetimeMs = UINT(std::strtoul(value, nullptr, 10)), ++i;
        else if (std::strcmp(__argv[i], "--host") == 0) hostModule = value, ++i;
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ProbeWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = g_className.c_str();
    if (!RegisterClassA(&windowClass)) return 2;
    if (hostModule) return RunHost(hostModule, exitDetach);
    if (!CreateProbeWindow()) return 2;

    UINT_PTR lifetime = SetTimer(nullptr, 0, lifetimeMs, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == lifetime) return 3;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}
