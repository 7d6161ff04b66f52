#pragma once
// The small window that owns a skinned window's window-menu popup: the popup's commands reach it
// and it hands them on to the skinned window. It is a hidden child of that window, made for one
// popup; it destroys itself (and its object) one pass through the message queue after the popup.
#include <windows.h>

namespace vt {

class TMenuWindow {
public:
    // Made on the heap; the window, once made, owns the object.
    static TMenuWindow* Create(HWND owner) { return new TMenuWindow(owner); }

    // The window, made on first use; null when it cannot be made (the object then stays the
    // caller's to Finish).
    HWND Handle();
    // Ends the object: by its window's own end when it has one, else at once.
    void Finish();

    // The window class goes when the module ends (none may be left behind).
    static void UnregisterWindowClass();

private:
    explicit TMenuWindow(HWND owner) : owner_(owner) {}
    ~TMenuWindow() = default;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND owner_;
    HWND window_ = nullptr;
};

}  // namespace vt
