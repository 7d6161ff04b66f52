#include "menu/win32/TMenuWindow.h"

#include <atomic>

#include "common/win32/ModuleInstance.h"

namespace vt {
namespace {

constexpr char kClassName[] = "TMenuWindow";
constexpr UINT kFinish = WM_USER;        // posted after the popup: finish on the next pass
constexpr UINT kDestroy = WM_USER + 1;

std::atomic<bool> g_classRegistered{false};

bool RegisterWindowClass(WNDPROC procedure) {
    if (g_classRegistered.load()) return true;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ModuleInstance();
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    g_classRegistered.store(true);
    return true;
}

}  // namespace

HWND TMenuWindow::Handle() {
    if (window_ || !RegisterWindowClass(&TMenuWindow::WindowProc)) return window_;
    CreateWindowExA(0, kClassName, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, owner_, nullptr, ModuleInstance(), this);
    return window_;  // set by WM_NCCREATE
}

void TMenuWindow::Finish() {
    if (window_) PostMessageA(window_, kFinish, 0, 0);
    else delete this;
}

void TMenuWindow::UnregisterWindowClass() {
    if (g_classRegistered.exchange(false)) UnregisterClassA(kClassName, ModuleInstance());
}

LRESULT CALLBACK TMenuWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<TMenuWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->window_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<TMenuWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            delete self;
            return DefWindowProcA(window, message, wParam, lParam);
        }
        if (self) return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT TMenuWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // The system's own commands (0xF000 and up) as system commands, the program's as commands.
        if (LOWORD(wParam) >= 0xF000) return SendMessageA(owner_, WM_SYSCOMMAND, wParam, lParam);
        return SendMessageA(owner_, WM_COMMAND, wParam, lParam);
    case WM_SYSCOMMAND:
        // The window menu is a system menu: its choice may come as a system command already,
        // which is the skinned window's, never this window's own (SC_CLOSE would close us).
        return SendMessageA(owner_, WM_SYSCOMMAND, wParam, lParam);
    case kFinish:
        PostMessageA(window_, kDestroy, 0, 0);
        return 0;
    case kDestroy:
        DestroyWindow(window_);  // WM_NCDESTROY frees the object
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

}  // namespace vt
