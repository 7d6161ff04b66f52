#pragma once
// The frame engine as the module holds it: one object that is every interface the hook uses,
// each of its callers seeing only the one it calls. The module's start and end and the theme
// changes drive the ThemeLifecycle; the frame window procedure reads the FrameTheme and hands
// its messages to the FrameAppearance, the FrameInputHandler and the FrameMenuHandler; the menus
// ask the MenuFrame. The hook owns the window's record: it passes the record's bits the engine
// needs (active, shrunk) as arguments and applies what comes back. The engine never reaches
// into the hook.
//
// This base class is the engine with no theme: ThemeLoaded() is false, so the dispatch calls
// none of the message operations and every message passes through. The module's engine derives
// from it (CreateFrameEngine); tests derive fakes.
#include <windows.h>

#include <functional>
#include <memory>

#include "frame/win32/FrameAppearance.h"
#include "frame/win32/FrameInputHandler.h"
#include "frame/win32/FrameMenuHandler.h"
#include "frame/win32/FrameMenus.h"
#include "frame/win32/FrameTheme.h"
#include "frame/win32/ThemeLifecycle.h"
#include "theme/ThemeState.h"

namespace vt {

class SharedArea;

class FrameEngine : public ThemeLifecycle,
                    public FrameTheme,
                    public FrameAppearance,
                    public FrameInputHandler,
                    public FrameMenuHandler,
                    public MenuFrame {
public:
    LRESULT HitTestAt(HWND window, LPARAM screenPoint) override { return HitTest(window, 0, screenPoint); }
    Rect MenuBarStrip(HWND window) override {
        (void)window;
        return {};
    }
    void WithFrameSurface(HWND window, const std::function<void(GdiSurface&)>& use) override {
        (void)window; (void)use;
    }
};

// The module's engine, keeping the hover window in `sharedArea` and leaving the menu bar to
// `menus` (both outlive it; the menus may be null: the strip is then the elements').
std::unique_ptr<FrameEngine> CreateFrameEngine(SharedArea& sharedArea, ThemeState& theme, FrameMenus* menus);

}  // namespace vt
