#pragma once
// The frame engine as the module holds it: one object that is every interface the hook uses,
// each of its callers seeing only the one it calls. The module's start and end and the theme
// changes drive the ThemeLifecycle; the frame window procedure reads the FrameTheme, hands its
// messages to the FrameAppearance and the FrameInputHandler, and its menu messages straight to
// the engine's FrameMenus; the menus ask the MenuFrame. The hook owns the window's record: it
// passes the record's bits the engine needs (active, shrunk) as arguments and applies what comes
// back. The engine never reaches into the hook.
//
// The module's engine is made by CreateFrameEngine; before the start, and in tests, the module
// holds a NullFrameEngine.
#include <windows.h>

#include <memory>

#include "frame/win32/FrameAppearance.h"
#include "frame/win32/FrameInputHandler.h"
#include "frame/win32/FrameMenus.h"
#include "frame/win32/FrameTheme.h"
#include "frame/win32/ThemeLifecycle.h"
#include "theme/model/ElementCode.h"
#include "theme/ThemeState.h"

namespace vt {

class SharedArea;

// The hit-test code of the menu bar strip inside a themed frame.
constexpr WPARAM kMenuBarHitCode = WPARAM(kCodeMenuBar);

class FrameEngine : public ThemeLifecycle,
                    public FrameTheme,
                    public FrameAppearance,
                    public FrameInputHandler,
                    public MenuFrame {
public:
    // The menus that draw the frame's menu bar and run its menu loop (null: none; the strip is
    // then the elements').
    virtual FrameMenus* Menus() = 0;
};

// The module's engine, keeping the hover window in `sharedArea` and leaving the menu bar to
// `menus` (both outlive it; the menus may be null: the strip is then the elements').
std::unique_ptr<FrameEngine> CreateFrameEngine(SharedArea& sharedArea, ThemeState& theme, FrameMenus* menus);

}  // namespace vt
