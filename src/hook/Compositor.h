#pragma once
// What the desktop compositor is told about skinned windows. Where it runs (Windows 8 and later
// always, Vista and 7 with composition on) it draws every window's frame itself unless told that
// the frame is the program's, over the frame we paint, and Windows 11 rounds the corners, cutting
// into ours. dwmapi is loaded at run time, once, on the first window that needs it (never under the
// loader lock): the module keeps importing only what every Windows has, and without dwmapi nothing
// is asked.
#include <windows.h>

#include <atomic>

namespace vt {

// DwmSetWindowAttribute's attributes and values, newer than the headers this builds with.
enum class CompositorAttribute : DWORD {
    NonClientRenderingPolicy = 2,  // DWMWA_NCRENDERING_POLICY
    WindowCornerPreference = 33,   // DWMWA_WINDOW_CORNER_PREFERENCE (Windows 11; refused harmlessly before)
};
enum class NonClientRendering : DWORD { UseWindowStyle = 0, Disabled = 1 };  // DWMNCRP_*
enum class CornerPreference : DWORD { Default = 0, DoNotRound = 1 };        // DWMWCP_*

class Compositor {
public:
    // The frame is ours: the compositor draws none, and the corners stay square. Before the
    // first paint of a skinned window, and again when the compositor or the visual style changed.
    void TakeFrame(HWND window);
    // The window left the skin: the compositor draws its frame and rounds its corners again.
    void GiveFrameBack(HWND window);

private:
    using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    void Set(HWND window, NonClientRendering rendering, CornerPreference corners);
    SetAttribute Function();

    // dwmapi stays loaded for the rest of the process: freeing it at our end would run under the
    // loader lock. Written once by whichever thread loads it first.
    std::atomic<HMODULE> library_{nullptr};
    std::atomic<SetAttribute> setAttribute_{nullptr};
    std::atomic<bool> looked_{false};
};

}  // namespace vt
