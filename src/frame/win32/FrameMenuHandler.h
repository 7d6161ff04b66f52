#pragma once
// A themed window's menu messages as the window procedure hands them to the frame, which passes
// them on to the menus (FrameMenus) under its own rules. The defaults are the engine with no
// theme.
#include <windows.h>

#include "frame/win32/FrameMenus.h"
#include "theme/model/ElementCode.h"

namespace vt {

// The hit-test code of the menu bar strip inside a themed frame.
constexpr WPARAM kMenuBarHitCode = WPARAM(kCodeMenuBar);

class FrameMenuHandler {
public:
    virtual ~FrameMenuHandler() = default;

    // The menu bar item at a screen point (x low word, y high word), as `mode` asks.
    virtual void TrackMenu(HWND window, LPARAM screenPoint, MenuTracking mode) {
        (void)window; (void)screenPoint; (void)mode;
    }
    // A skinned window's menu loop starts or ends.
    virtual void StartMenuHook() {}
    virtual void StopMenuHook() {}
    // The popup about to open (WM_INITMENUPOPUP's menu and item position).
    virtual void SetPopupMenu(HMENU menu, int item) { (void)menu; (void)item; }
};

}  // namespace vt
