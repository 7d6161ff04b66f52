#include "hook/HookProc.h"

#include <cstdint>
#include <optional>
#include <string>

#include "common/win32/HookMessages.h"
#include "common/win32/ModuleInstance.h"
#include "hook/ModuleLifecycle.h"
#include "hook/ModuleState.h"

namespace vt {
namespace {

// A hung hover window must not freeze the hit test of every other program.
constexpr UINT kStandDownTimeoutMs = 250;

// The hook runs for every message sent in every GUI process: all but these few pass at once.
bool MayConcernHook(UINT message) {
    switch (message) {
    case WM_CREATE:
    case WM_DESTROY:
    case WM_SETCURSOR:
    case WM_NCCALCSIZE:
    case WM_NCHITTEST:
        return true;
    default:
        return message >= 0xC000;  // registered messages
    }
}

bool HasFrameOrSystemMenu(LONG_PTR style) { return (style & (WS_THICKFRAME | WS_SYSMENU)) != 0; }

void ReloadTheme(ModuleState& state, WPARAM themeId) {
    auto id = static_cast<std::int32_t>(themeId);
    std::int32_t last = state.lastThemeId.load();
    if (id == last || state.Theme().ThemePinned()) return;
    // A broadcast reaches every GUI thread of the process: only the one that moves the identity
    // on switches.
    if (!state.lastThemeId.compare_exchange_strong(last, id)) return;
    try {
        state.Theme().SwitchTheme();
    } catch (...) {
        // Not switched (the theme stayed busy): the same change, sent again, is acted on.
        state.lastThemeId.compare_exchange_strong(id, last);
        throw;
    }
    ++state.themeGeneration;
    // Each window takes the new frame on its own thread (see FrameWindowProc), once, whether
    // the controller broadcast the change or sent it to one window. A posted WM_SIZE(0, 0) would
    // tell the program its client area is 0 x 0 and could trigger the size fix-up.
    for (HWND window : state.registry.ThemedWindows()) PostMessageA(window, Messages().themeChanged, themeId, 0);
}

// Registers the window; once it runs our procedure the module stays mapped, and a themed one's
// frame is ours for the compositor before anything is painted.
void Register(ModuleState& state, HWND window, bool themed) {
    // A window is registered at its first client-area calculation and again at WM_CREATE: the
    // compositor is told once, when the window becomes themed.
    const std::optional<SubclassNode> before = state.registry.Lookup(window);
    if (!state.registry.RegisterWindow(window, themed)) return;
    state.pin.Hold();
    const bool wasThemed = before && before->Has(SubclassNode::Themed);
    if (themed && !wasThemed && state.frame->ThemeLoaded()) state.compositor.TakeFrame(window);
}

// A top-level window that was open before the module came into its process (a start, or a start
// again after a stop) is taken on as if it had just been made, when the controller announces the
// theme to every top-level window. It keeps its outer size, as at a theme switch, and takes the
// frame as its procedure's first message (see FrameWindowProc).
void TakeOnOpenWindow(ModuleState& state, HWND window) {
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    if ((style & WS_CHILD) || !HasFrameOrSystemMenu(style) || state.registry.Lookup(window)) return;
    if (!state.registry.RegisterWindow(window, true)) return;
    state.pin.Hold();  // the compositor is told when the window takes the frame
    state.registry.OutdateFrame(window, state.themeGeneration.load());
}

// Which windows enter and leave the registry.
void SelectWindow(ModuleState& state, const CWPSTRUCT& sent) {
    const HookMessages& ids = Messages();
    HWND window = sent.hwnd;
    switch (sent.message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(sent.lParam);
        if (create && HasFrameOrSystemMenu(create->style)) Register(state, window, true);
        return;
    }
    case WM_NCCALCSIZE:
        // wParam 0: the calculation made while the window is created, before WM_CREATE.
        if (sent.wParam != 0) return;
        if (HWND parent = GetParent(window)) {
            // Only to forward system commands to the parent's themed frame. A handle that is no
            // menu (-1 from GetMenuItemCount) counts as a menu with items.
            HMENU menu = GetMenu(parent);
            if (menu && GetMenuItemCount(menu) != 0) Register(state, window, false);
        } else {
            Register(state, window, HasFrameOrSystemMenu(GetWindowLongPtrA(window, GWL_STYLE)));
        }
        return;
    case WM_DESTROY:
        state.registry.UnregisterWindow(window);
        return;
    default:
        if (sent.message == ids.unhook) state.registry.UnsubclassAll();
        else if (sent.message == ids.themeChanged) {
            ReloadTheme(state, sent.wParam);
            TakeOnOpenWindow(state, window);
        }
        return;
    }
}

// The window that shows a hover look is told to drop it as soon as the pointer is over any
// other window: once after a hit test elsewhere, and once, in full, after the cursor was set
// elsewhere. The full stand-down also clears the shared hover window, so that the pointer's
// further moves cost no cross-process call at all; a blocking send on every hit test of every
// program would slow the whole desktop down.
void StandDownHoverWindow(ModuleState& state, const CWPSTRUCT& sent) {
    WPARAM kind;
    if (sent.message == WM_NCHITTEST) kind = 0;
    else if (sent.message == WM_SETCURSOR) kind = 1;
    else return;
    HWND hover = state.sharedArea.HoverWindow();
    if (!hover || hover == sent.hwnd) return;
    // Only the thread that moves the value on sends: two hit tests at once tell it once.
    if (kind == 0 && state.hoverToldAfterHitTest.exchange(hover) == hover) return;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(hover, Messages().standDown, kind, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, kStandDownTimeoutMs,
                        &ignored);
    if (kind == 1) {
        state.sharedArea.ClearHoverWindowIf(hover);
        state.hoverToldAfterHitTest = nullptr;
    }
}

// Writes the path of the module that owns the window to the shared area.
void AnswerGetInstance(ModuleState& state, HWND window) {
    auto instance = reinterpret_cast<HMODULE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    std::string path = ModuleFileName(instance);
    state.sharedArea.WriteInstancePath(path.data(), path.size());
}

bool IsThisThreads(HWND window) { return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId(); }

}  // namespace

LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
    HHOOK self = nullptr;
    try {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        // The state is asked for once: a real unload on another thread may end it between two
        // questions, and the started one answers null from then on. Windows runs a hook of the
        // other bitness in the controller's process, for windows that are not ours to touch.
        ModuleState* started = code >= 0 && sent && MayConcernHook(sent->message) && IsThisThreads(sent->hwnd) &&
                                       EnsureModuleStarted()
                                   ? ModuleStateIfStarted()
                                   : nullptr;
        if (started) {
            ModuleState& state = *started;
            self = state.hookHandle.get();
            if (state.sharedArea.NewWindowsEnabled()) SelectWindow(state, *sent);
            if (sent->message == Messages().unhook) state.threadHooks.RemoveFromThisThread();
            if (state.sharedArea.IsMapped()) {
                StandDownHoverWindow(state, *sent);
                if (sent->message == Messages().getInstance) {
                    AnswerGetInstance(state, sent->hwnd);
                    return kGetInstanceAnswer;
                }
            }
        }
    } catch (...) {
    }
    return CallNextHookEx(self, code, wParam, lParam);
}

LRESULT CALLBACK ThreadHookStarter(int code, WPARAM wParam, LPARAM lParam) {
    try {
        // Asked for once, as in HookProc: an unload on another thread may end the state between.
        ModuleState* started = code >= 0 && EnsureModuleStarted() ? ModuleStateIfStarted() : nullptr;
        if (started && started->sharedArea.NewWindowsEnabled()) started->threadHooks.EnsureOnThisThread(HookProc);
    } catch (...) {
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace vt
