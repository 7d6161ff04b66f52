#pragma once
// Where the frame engine and the menus meet. The frame leaves a strip for the program's menu
// bar and asks the menus to draw it and to open its drop-downs and the window menu (FrameMenus);
// the menus ask the frame what lies under a point and where the strip is (MenuFrame). The hook
// wires the two together, so that neither depends on the other's code.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "common/Rect.h"
#include "theme/model/ElementCodes.h"

namespace vt {

class GdiSurface;

// How TrackMenu is asked to open something; the value's meaning follows the mode.
enum class MenuTracking : int {
    AtPoint = 0,     // the bar item under a screen point (x low word, y high word)
    ByKey = 1,       // the first enabled item with that mnemonic (0: the first enabled item)
    AtPosition = 2,  // the item at that position
    WindowMenu = 3,  // the window menu at a screen point
    Measure = 4,     // the items measured, nothing opened
};

class FrameMenus {
public:
    virtual ~FrameMenus() = default;
    // Draws the window's menu bar into `bar` (window coordinates) on the frame's surface.
    virtual void PaintMenuBar(GdiSurface& surface, HWND window, HMENU menu, const Rect& bar) = 0;
    // True when the window menu was opened or an item change was posted into a running menu loop.
    virtual bool TrackMenu(HWND window, std::uint32_t value, MenuTracking mode) = 0;
    // A skinned window's menu loop starts or ends.
    virtual void StartMenuHook() = 0;
    virtual void StopMenuHook() = 0;
    // The popup about to open (WM_INITMENUPOPUP's menu and its position).
    virtual void SetPopupMenu(HMENU menu, int item) = 0;
};

class MenuFrame {
public:
    virtual ~MenuFrame() = default;
    // The frame's hit-test value at a screen point (x low word, y high word) of the window; it
    // also records the window as the one under the pointer.
    virtual LRESULT HitTestAt(HWND window, LPARAM screenPoint) = 0;
    // The menu bar strip of the window, in window coordinates (empty without a theme).
    virtual Rect MenuBarStrip(HWND window) = 0;
    // Runs `use` with a drawing surface on the window's device context, released afterwards.
    virtual void WithFrameSurface(HWND window, const std::function<void(GdiSurface&)>& use) = 0;
};

}  // namespace vt
