#pragma once
// The questions a controller can send to the probe window (vtprobe), and its answers.
#include <windows.h>

namespace vt::probe {

// Returns the QueryBits below.
constexpr UINT kQueryState = WM_APP + 1;
// Returns how many messages the probe's own procedure has seen.
constexpr UINT kQueryCount = WM_APP + 2;
// Returns lParam + 1 (a round trip through the probe's own procedure).
constexpr UINT kEcho = WM_APP + 3;

// Makes another window like the first (the earlier ones stay) and returns its handle: a window
// created while a different hook is in place, without starting a new process.
constexpr UINT kNewWindow = WM_APP + 4;

enum QueryBits : LRESULT {
    kProcedureInVeltrane = 1,  // the window's procedure lies inside veltrane.dll's image
    kProcedureIsOwn = 2,       // the window's procedure is the probe's own
    kVeltraneLoaded = 4,       // veltrane.dll is mapped into the probe's process
};

// Window styles the probe can be asked for (--style).
constexpr char kStyleFrame[] = "frame";      // overlapped window: sizing frame and system menu
constexpr char kStyleSysMenu[] = "sysmenu";  // caption and system menu, no sizing frame
constexpr char kStylePopup[] = "popup";      // neither: a plain popup

// Exit codes of `vtprobe --load-module PATH`.
enum LoadCheck : int {
    kAreaMadeByLoad = 0,     // no shared area before LoadLibrary, one right after
    kAreaMissing = 1,        // still none after LoadLibrary
    kModuleNotLoaded = 2,
    kAreaExistedBefore = 4,  // another process holds the area: the check proves nothing
};

// Exit codes of `vtprobe --host MODULE [--exit-detach]`: a program that is its own controller
// (it loads the module and calls InstallHook), makes a skinned window with a themed button in
// it and ends while both are open. With --exit-detach it first hands the module the detach the
// loader sends at process exit, and checks that nothing was touched.
enum HostCheck : int {
    kHostExited = 0,
    kHostModuleNotLoaded = 2,
    kHostNotSkinned = 5,        // the window's procedure is not the module's
    kHostButtonNotThemed = 6,   // the button's procedure is not the module's
    kHostExitDetachActed = 7,   // a procedure or the button class changed at the exit detach
};

}  // namespace vt::probe
