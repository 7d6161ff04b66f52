// vtletgo [...] caption|menu|close: a program whose skinned window is inside one of the module's modal
// loops (the caption drag, the menu bar's drop-down, a "Save changes?" box opened from the skinned
// close button) while another of its threads lets go of every reference it has to the module, as
// Windows does once a hook is removed. The loop is then ended, and the program must come back from
// it, answer and end normally. Its exit code is a vt::letgo::Outcome.
#include <windows.h>

#include <cstring>

#include "LetGoProtocol.h"
#include "common/win32/UniqueHandle.h"

namespace {

using namespace vt::letgo;

enum class Loop { Caption, Menu, Close };

constexpr UINT kEcho = WM_APP + 3;      // answers lParam + 1
constexpr UINT kEndMenu = WM_APP + 4;   // ends a menu loop of the window's thread
constexpr UINT kFinish = WM_APP + 5;    // destroys the window
constexpr int kCloseCode = 256;         // the theme's CLOSE element
constexpr UINT kPollMs = 20;

Loop g_loop = Loop::Caption;
HWND g_window = nullptr;
DWORD g_mainThread = 0;
volatile LONG g_outcome = kCameBack;

LRESULT CALLBACK ProgramWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kEcho:
        return lParam + 1;
    case kEndMenu:
        EndMenu();
        return 0;
    case kFinish:
        DestroyWindow(window);
        return 0;
    case WM_CLOSE:
        // The program's own question; Cancel keeps the window.
        if (MessageBoxA(window, "Save changes?", "Let go", MB_YESNOCANCEL) == IDCANCEL) return 0;
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool ProcedureInVeltrane(HWND window) {
    HMODULE module = GetModuleHandleA("veltrane.dll");
    MEMORY_BASIC_INFORMATION info{};
    return module && VirtualQuery(reinterpret_cast<void*>(GetWindowLongPtrA(window, GWLP_WNDPROC)), &info,
                                  sizeof info) == sizeof info && info.AllocationBase == module;
}

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND OpenBox() {
    HWND box = nullptr;
    EnumThreadWindows(g_mainThread, FindBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

bool MenuOpen() {
    HWND popup = FindWindowA("#32768", nullptr);
    DWORD process = 0;
    if (popup) GetWindowThreadProcessId(popup, &process);
    return popup && IsWindowVisible(popup) && process == GetCurrentProcessId();
}

bool InLoop() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    switch (g_loop) {
    case Loop::Caption:
        return GetGUIThreadInfo(g_mainThread, &info) && info.hwndCapture == g_window;
    case Loop::Menu:
        return MenuOpen();
    case Loop::Close:
        return OpenBox() != nullptr;
    }
    return false;
}

bool WaitUntil(bool inLoop) {
    for (DWORD waited = 0; waited < 5000; waited += kPollMs) {
        if (InLoop() == inLoop) return true;
        Sleep(kPollMs);
    }
    return false;
}

void Fail(Outcome outcome) { InterlockedCompareExchange(&g_outcome, outcome, kCameBack); }

// The other thread: every reference to the module let go while the loop runs, then the loop
// ended as the user would end it, and the window asked to answer.
DWORD WINAPI LetGo(void*) {
    if (!WaitUntil(true)) Fail(kNeverInLoop);
    for (int i = 0; i < 8; ++i) {
        HMODULE module = GetModuleHandleA("veltrane.dll");
        if (!module) break;
        FreeLibrary(module);
    }
    if (!GetModuleHandleA("veltrane.dll")) Fail(kModuleUnmapped);
    Sleep(200);  // the loop goes on meanwhile
    RECT r{};
    GetWindowRect(g_window, &r);
    switch (g_loop) {
    case Loop::Caption:
        SetCursorPos(r.left + 140, r.top + 40);  // the drag follows the pointer, then ends
        Sleep(200);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        break;
    case Loop::Menu:
        PostMessageA(g_window, kEndMenu, 0, 0);
        keybd_event(VK_ESCAPE, 0, 0, 0);
        keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
        break;
    case Loop::Close:
        PostMessageA(OpenBox(), WM_COMMAND, IDCANCEL, 0);
        break;
    }
    if (!WaitUntil(false)) Fail(kLoopNeverEnded);
    DWORD_PTR echoed = 0;
    if (!SendMessageTimeoutA(g_window, kEcho, 0, 41, SMTO_NORMAL, 5000, &echoed) || echoed != 42) Fail(kNoAnswer);
    PostMessageA(g_window, kFinish, 0, 0);
    return 0;
}

LONG WINAPI Crashed(EXCEPTION_POINTERS*) {
    TerminateProcess(GetCurrentProcess(), kCrashed);
    return EXCEPTION_EXECUTE_HANDLER;
}

POINT ScreenPoint(int x, int y) {
    RECT r{};
    GetWindowRect(g_window, &r);
    return POINT{r.left + x, r.top + y};
}

// Starts the loop on this thread (the caption drag starts from the real button press, taken by
// the message loop below).
void EnterLoop() {
    RECT r{};
    GetWindowRect(g_window, &r);
    switch (g_loop) {
    case Loop::Caption: {
        const POINT caption = ScreenPoint(100, 12);
        SetCursorPos(caption.x, caption.y);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        break;
    }
    case Loop::Menu:
        SendMessageA(g_window, WM_SYSCOMMAND, SC_KEYMENU, 'f');
        break;
    case Loop::Close: {
        const POINT close = ScreenPoint(r.right - r.left - 16, 12);
        const LPARAM at = MAKELPARAM(close.x, close.y);
        SendMessageA(g_window, WM_NCLBUTTONDOWN, kCloseCode, at);
        SendMessageA(g_window, WM_NCLBUTTONUP, kCloseCode, at);
        break;
    }
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(Crashed);
    // The loop is the last argument (a starter may put others before it).
    const char* loop = __argc >= 2 ? __argv[__argc - 1] : "";
    if (std::strcmp(loop, "menu") == 0) g_loop = Loop::Menu;
    else if (std::strcmp(loop, "close") == 0) g_loop = Loop::Close;
    else if (std::strcmp(loop, "caption") != 0) return kUsage;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ProgramWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "VtLetGo";
    if (!RegisterClassA(&windowClass)) return kUsage;
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 1, "&Quit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    g_mainThread = GetCurrentThreadId();
    g_window = CreateWindowExA(0, "VtLetGo", "Let go", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 120, 320, 200, nullptr,
                               bar, instance, nullptr);
    if (!g_window) return kUsage;
    SetForegroundWindow(g_window);
    MSG message;
    for (DWORD waited = 0; !ProcedureInVeltrane(g_window); waited += kPollMs) {
        if (waited > 5000) return kNeverSkinned;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(kPollMs);
    }
    vt::UniqueKernelHandle helper(CreateThread(nullptr, 0, LetGo, nullptr, 0, nullptr));
    if (!helper) return kUsage;
    EnterLoop();
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    WaitForSingleObject(helper.get(), 10000);
    return int(g_outcome);
}
