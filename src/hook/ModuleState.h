#pragma once
// Everything the hook part of the module keeps per process. It exists from the module's start in
// the process to its end.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "common/win32/SharedArea.h"
#include "common/win32/UniqueHandle.h"
#include "frame/win32/FrameEngine.h"
#include "hook/Compositor.h"
#include "hook/ExclusionLists.h"
#include "hook/ModulePin.h"
#include "hook/SubclassRegistry.h"
#include "hook/ThreadHooks.h"
#include "menu/win32/Menus.h"
#include "theme/ThemeState.h"
#include "theme/controls/ControlList.h"
#include "theme/controls/win32/TvtButtonWin32.h"

namespace vt {

struct ModuleState {
    ModuleState();

    ExclusionLists exclusions;
    SharedArea& sharedArea;     // the process's (see ProcessSharedArea)
    SubclassRegistry registry;  // uses `exclusions`, declared before it
    ThemeState themeState;      // the process's theme: loaded, drawn and read by menus and frame
    ControlList controls;       // the themed controls, installed by InstallHook
    // The themed push button (in `controls`, drawn from `themeState`); reset by the end, which
    // gives its class back, before the state itself may go.
    std::unique_ptr<TvtButtonWin32> button;
    std::unique_ptr<TMenus> menus;            // the menu bars and window menus of skinned windows
    std::unique_ptr<FrameEngine> frame;       // never null; tests may put a fake in its place
    UniqueHook hookHandle;      // set by InstallHook, in the controller's process only
    ThreadHooks threadHooks;    // a 32-bit program's on 64-bit Windows (see ThreadHooks.h)
    Compositor compositor;      // told which frames are ours
    ModulePin pin;              // keeps the module mapped once a window runs our procedure
    // Any GUI thread may receive a theme change: the one that moves the identity on switches.
    std::atomic<std::int32_t> lastThemeId{-1};
    // Counts the theme switches acted on; a window whose record has an older count has not
    // taken the new frame yet.
    std::atomic<std::uint32_t> themeGeneration{0};
    // The hover window already told to stand down after a hit test elsewhere; the hit tests of
    // every GUI thread of the process read and move it.
    std::atomic<HWND> hoverToldAfterHitTest{nullptr};

    // The engine's theme as the start, the end and the controller's changes drive it (the frame
    // window procedure takes the engine's other interfaces).
    ThemeLifecycle& Theme() const { return *frame; }
};

// Null until the start has run in this process, and again once its end is done (see
// ModuleLifecycle.h).
ModuleState* ModuleStateIfStarted();

// The shared area of the process: the first call opens it, later calls return the same view.
// Null when it cannot be had, and before the start has made the state.
unsigned char* OpenSharedArea();
void CloseSharedArea();

}  // namespace vt
