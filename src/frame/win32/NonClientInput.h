#pragma once
// A themed window's non-client input: what lies under the pointer (the hit test, which also
// moves the hover), the frame buttons that press and release, dragging the caption, sizing from
// the borders, the sizing cursors and the system commands that the frame turns into menus or a
// roll-up. The state is the process's FrameInput, shared by all its windows.
#include <windows.h>

#include "common/win32/SharedArea.h"
#include "frame/FrameInput.h"
#include "frame/win32/FrameInputHandler.h"
#include "frame/win32/FrameMenus.h"
#include "frame/win32/ThemeView.h"
#include "graphics/win32/GdiResources.h"
#include "theme/ThemeState.h"

namespace vt {

// What the engine knows per theme load that input needs too.
struct InputSettings {
    UINT repaintMessage = 0;
    bool calcScripts = false;  // the theme has OnCalcRect words
};

class NonClientInput {
public:
    NonClientInput(ThemeState& theme, GdiResources& resources, SharedArea& sharedArea, FrameMenus* menus,
                   const InputSettings& settings)
        : theme_(theme), resources_(resources), sharedArea_(sharedArea), menus_(menus), settings_(settings) {}

    // The rectangles are the view's layout of the window.
    LRESULT HitTest(ThemeView& view, HWND window, LPARAM screenPoint);
    static bool SetFrameCursor(WORD hitCode);
    MessageAnswer ButtonDown(HWND window, WPARAM hitCode, LPARAM lParam);
    ShrinkRequest ButtonUp(HWND window, WPARAM hitCode, LPARAM lParam, bool shrunk);
    CommandAnswer SystemCommand(ThemeView& view, HWND window, WPARAM command, LPARAM lParam, bool shrunk);

    // The pressed button goes when its own window is deactivated (nothing for another window's).
    void ReleasePressed(HWND window);
    // The window whose frame button was pressed last (null: none yet).
    HWND PressedWindow() const { return pressedWindow_; }
    void ReleaseHover(ThemeView& view, HWND window, bool shownDown, bool releaseAll);
    void StandDown(ThemeView& view, HWND hoverWindow);
    // The theme's elements are going or have come: nothing of the old ones is remembered.
    void ForgetElements() { input_.ForgetElements(); }

    const FrameInput& State() const { return input_; }

private:
    bool TrackMenu(HWND window, std::uint32_t value, MenuTracking mode);
    void Release();

    ThemeState& theme_;
    GdiResources& resources_;
    SharedArea& sharedArea_;
    FrameMenus* menus_;
    const InputSettings& settings_;
    FrameInput input_;
    // The window whose frame button is pressed: the press is the process's, and another of its
    // windows that is deactivated or hit-tested meanwhile must not end it.
    HWND pressedWindow_ = nullptr;
};

}  // namespace vt
