#include "hook/FrameWindowProc.h"

#include <atomic>
#include <optional>

#include "common/win32/UniqueHandle.h"
#include "common/win32/HookMessages.h"
#include "hook/ModuleState.h"

namespace vt {
namespace {

std::atomic<std::uint32_t> g_failedMessages{0};

// The message being handled and where it goes when it passes on. The previous procedure is
// copied out of the record at entry: a nested message (the window destroying itself inside its
// own procedure) may free the record while this one is still running, so after any call out the
// record is looked up again, never kept.
struct FrameCall {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    WNDPROC previous;
    bool unicode;

    // Passes the message on. With `suppressRedraw` the window draws nothing while its procedure
    // runs, and drawing is switched back on however that call ends.
    LRESULT CallPrevious(bool suppressRedraw = false) const {
        struct RedrawOff {
            const FrameCall& call;
            bool active;
            ~RedrawOff() {
                if (active) CallDefault(call.unicode, call.window, WM_SETREDRAW, TRUE, 0);
            }
        } redrawOff{*this, suppressRedraw};
        if (suppressRedraw) CallDefault(unicode, window, WM_SETREDRAW, FALSE, 0);
        if (!previous) return CallDefault(unicode, window, message, wParam, lParam);
        return CallProcedure(previous, unicode, window, message, wParam, lParam);
    }

    LRESULT Default() const { return CallDefault(unicode, window, message, wParam, lParam); }
};

// The window's record as it is now (a copy: the record itself may go on another thread).
std::optional<SubclassNode> Record(HWND window) {
    ModuleState* state = ModuleStateIfStarted();
    return state ? state->registry.Lookup(window) : std::nullopt;
}

bool HasFlag(HWND window, std::uint32_t flag) {
    std::optional<SubclassNode> record = Record(window);
    return record && record->Has(flag);
}

// Sets or clears flags of the window's record, when it still has one.
void ChangeFlags(HWND window, std::uint32_t set, std::uint32_t clear) {
    if (ModuleState* state = ModuleStateIfStarted()) state->registry.ChangeFlags(window, set, clear);
}

bool IsActive(HWND window) { return HasFlag(window, SubclassNode::Active); }

// GetMenuItemCount of the window's menu; 0 without a menu, -1 when the handle is no menu.
int MenuItemCount(HWND window) {
    HMENU menu = GetMenu(window);
    return menu ? GetMenuItemCount(menu) : 0;
}

bool IsShrunk(HWND window) { return HasFlag(window, SubclassNode::Shrunk); }

// The frame's shape follows the elements; SetWindowRgn owns the region once it accepts it.
void SetRegion(FrameEngine& frame, HWND window) {
    UniqueGdiObject region = frame.BuildRegion(window, GetWindowLongPtrA(window, GWL_STYLE), IsShrunk(window));
    if (SetWindowRgn(window, static_cast<HRGN>(region.get()), TRUE)) region.release();
}

// A frame command rolled the window up or down: the flag lives in its record (a window without
// one never rolls up), and the shape follows it.
void ApplyShrink(FrameEngine& frame, HWND window, ShrinkRequest request) {
    if (request == ShrinkRequest::Keep) return;
    const bool shrink = request == ShrinkRequest::Shrink;
    ModuleState* state = ModuleStateIfStarted();
    if (!state || !state->registry.ChangeFlags(window, shrink ? SubclassNode::Shrunk : 0u,
                                               shrink ? 0u : SubclassNode::Shrunk))
        return;
    SetRegion(frame, window);
}

// The frame's answer to a system command: handled (after any roll-up), or on to the window.
bool SystemCommandHandled(FrameEngine& frame, HWND window, const FrameCall& call) {
    CommandAnswer answer = frame.SystemCommand(window, call.wParam, call.lParam, IsShrunk(window));
    ApplyShrink(frame, window, answer.shrink);
    return answer.handling == Handling::Handled;
}

// After a theme switch: the client area recomputed by the new elements (which asks us through
// WM_NCCALCSIZE), the new shape, and the whole window drawn again; the outer size stays, so no
// size fix-up may follow.
void TakeNewFrame(FrameEngine& frame, HWND window) {
    ChangeFlags(window, SubclassNode::SizeFixed, 0);
    if (frame.ThemeLoaded()) SetRegion(frame, window);
    else SetWindowRgn(window, nullptr, TRUE);  // no theme now: the program's own frame again
    RefreshFrame(window);
}

// The first WM_SIZE after registration makes the window as large as its client size plus the
// theme's frame, so the client area keeps the size the program asked for.
LRESULT OnSize(FrameEngine& frame, const FrameCall& call) {
    SetRegion(frame, call.window);
    std::optional<SubclassNode> record = Record(call.window);
    SizeFixups fixups = frame.Fixups();
    if (!record || record->Has(SubclassNode::NoSizeFixup | SubclassNode::SizeFixed) ||
        (fixups.width == 0 && fixups.height == 0 && fixups.menu == 0)) {
        return call.CallPrevious();
    }
    ChangeFlags(call.window, SubclassNode::SizeFixed, 0);
    int height = int(HIWORD(call.lParam)) + fixups.height;
    if (MenuItemCount(call.window) != 0) height += fixups.menu;
    int width = int(LOWORD(call.lParam)) + fixups.width;
    LRESULT result = call.CallPrevious();
    SetWindowPos(call.window, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    return result;
}

LRESULT OnShowOrPositionChanging(FrameEngine& frame, const FrameCall& call) {
    if (call.wParam != 0 && frame.WindowZoom()) {
        RECT to{};
        POINT cursor{};
        GetWindowRect(call.window, &to);
        GetCursorPos(&cursor);
        frame.ZoomRect(RECT{cursor.x, cursor.y, cursor.x, cursor.y}, to, 20);
    }
    return call.CallPrevious();
}

LRESULT OnNcActivate(FrameEngine& frame, const FrameCall& call) {
    frame.ReleasePressed(call.window);
    bool active = call.wParam != 0;
    ChangeFlags(call.window, active ? SubclassNode::Active : 0u, active ? 0u : SubclassNode::Active);
    frame.PaintFrame(call.window, active);
    return TRUE;  // Windows' own caption drawing never runs over the theme
}

// A forwarding record: a child window whose parent's themed frame handles its system commands.
LRESULT DispatchForwarding(FrameEngine& frame, const FrameCall& call) {
    if (call.message == WM_SYSCOMMAND) {
        HWND parent = GetParent(call.window);
        if (parent && MenuItemCount(parent) > 0) {
            return SystemCommandHandled(frame, parent, call) ? 0 : call.CallPrevious();
        }
    }
    return call.CallPrevious();
}

LRESULT DispatchThemed(FrameEngine& frame, const FrameCall& call) {
    const HWND window = call.window;
    switch (call.message) {
    case WM_SIZE:
        return OnSize(frame, call);
    case WM_ACTIVATE: {
        LRESULT result = call.CallPrevious();
        PostMessageA(window, WM_NCACTIVATE, call.wParam, call.lParam);
        return result;
    }
    case WM_SETTEXT: {
        LRESULT result = call.CallPrevious();
        SetRegion(frame, window);  // the repaint this causes draws the new caption
        return result;
    }
    case WM_SHOWWINDOW:
    case WM_WINDOWPOSCHANGING:  // wParam is always 0 here: it only passes on
        return OnShowOrPositionChanging(frame, call);
    case WM_SETCURSOR:
        return frame.SetFrameCursor(window, call.wParam, LOWORD(call.lParam)) ? TRUE : call.CallPrevious();
    case WM_NCCALCSIZE:
        return frame.CalcClientArea(window, call.wParam, call.lParam);
    case WM_NCHITTEST:
        return frame.HitTest(window, call.wParam, call.lParam);
    case WM_NCPAINT:
        frame.PaintFrame(window, IsActive(window));
        return 0;
    case WM_NCACTIVATE:
        return OnNcActivate(frame, call);
    case WM_NCMOUSEMOVE:
        if (call.wParam == kMenuBarHitCode) {
            frame.TrackMenu(window, call.lParam, 4);
            return 0;
        }
        return call.CallPrevious();
    case WM_NCLBUTTONDOWN: {
        MessageAnswer answer = frame.ButtonDown(window, call.wParam, call.lParam);
        return answer.handling == Handling::PassOn ? call.CallPrevious() : answer.result;
    }
    case WM_NCLBUTTONUP:
        ApplyShrink(frame, window, frame.ButtonUp(window, call.wParam, call.lParam, IsShrunk(window)));
        return 0;
    case WM_SYSCOMMAND:
        return SystemCommandHandled(frame, window, call) ? 0 : call.CallPrevious();
    case WM_INITMENUPOPUP: {
        frame.SetPopupMenu(reinterpret_cast<HMENU>(call.wParam), LOWORD(call.lParam));
        LRESULT result = call.CallPrevious();
        if (HIWORD(call.lParam) != 0) frame.PaintFrame(window, IsActive(window));  // the window menu
        return result;
    }
    case WM_ENTERMENULOOP:
        frame.StartMenuHook();
        return call.CallPrevious(true);
    case WM_EXITMENULOOP: {
        frame.StopMenuHook();
        LRESULT result = call.CallPrevious();
        CallDefault(call.unicode, window, WM_SETREDRAW, TRUE, 0);
        frame.PaintFrame(window, IsActive(window));
        return result;
    }
    default:
        return call.CallPrevious();
    }
}

// The registered messages a loaded theme answers, before the per-kind dispatch.
bool DispatchThemeMessage(FrameEngine& frame, const FrameCall& call, const SubclassNode& record, LRESULT& result) {
    const HookMessages& messages = Messages();
    if (call.message < 0xC000) return false;  // also keeps WM_NULL away from a number never registered
    if (call.message == frame.RepaintMessage()) {
        frame.RepaintElements(call.window, std::intptr_t(call.wParam), std::intptr_t(call.lParam),
                              record.Has(SubclassNode::Active));
        result = 0;
    } else if (call.message == messages.tick) {
        frame.RunIdleScripts(call.window, record.Has(SubclassNode::Active));
        result = 0;
    } else if (call.message == messages.standDown) {
        ModuleState* state = ModuleStateIfStarted();
        HWND hover = state && state->sharedArea.IsMapped() ? state->sharedArea.HoverWindow() : nullptr;
        frame.StandDown(hover);
        result = 0;
    } else {
        return false;
    }
    return true;
}

// Answers the registered messages that concern the module rather than the theme; false for any
// other message.
bool DispatchModuleMessage(ModuleState& state, const FrameCall& call, LRESULT& result) {
    const HookMessages& messages = Messages();
    if (call.message < 0xC000) return false;  // registered messages live above 0xC000
    if (call.message == messages.unhook) {
        // "Veltrane Unhook" is posted, and a posted message never passes the WH_CALLWNDPROC
        // hook: it arrives here, at the windows themselves. Every window of the process gets its
        // own procedure back (this one included), then the message goes on to it.
        state.registry.UnsubclassAll();
        result = call.CallPrevious();
        return true;
    }
    if (call.message == messages.getInstance) {
        // The hook has written the answer already, but Windows drops a hook procedure's result:
        // the sender sees what the window procedure returns.
        result = kGetInstanceAnswer;
        return true;
    }
    return false;
}

}  // namespace

LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FrameCall call{window, message, wParam, lParam, nullptr, false};
    FrameEngine* frame = nullptr;
    std::optional<SubclassNode> record;
    bool passThrough = false;
    try {
        ModuleState* state = ModuleStateIfStarted();
        if (state) record = state->registry.Lookup(window);
        if (!record) {
            // A window whose record went by another path.
            call.unicode = IsWindowUnicode(window) != FALSE;
            return call.Default();
        }
        call.previous = record->previousProc;
        call.unicode = record->unicode;
        LRESULT result = 0;
        if (DispatchModuleMessage(*state, call, result)) return result;
        if (call.message == Messages().themeChanged && call.message >= 0xC000 &&
            state->registry.TakeThemeGeneration(window, state->themeGeneration.load())) {
            // The process has switched themes (in the hook); this window takes the new frame
            // once, on its own thread, however the change reached it.
            TakeNewFrame(*state->frame, window);
            passThrough = true;
        } else {
            frame = state->frame.get();
            passThrough = !frame->ThemeLoaded();
        }
    } catch (...) {
        // Our own work failed, as in the dispatch below: the system answers.
        g_failedMessages.fetch_add(1, std::memory_order_relaxed);
        try {
            return call.Default();
        } catch (...) {
            return 0;
        }
    }
    if (passThrough) {
        // The window's own procedure: when it fails there is nothing of ours to fall back on,
        // and answering it again through DefWindowProc could do its work twice.
        try {
            return call.CallPrevious();
        } catch (...) {
            return 0;
        }
    }
    try {
        LRESULT result = 0;
        if (DispatchThemeMessage(*frame, call, *record, result)) return result;
        if (!record->Has(SubclassNode::Themed)) return DispatchForwarding(*frame, call);
        return DispatchThemed(*frame, call);
    } catch (...) {
        g_failedMessages.fetch_add(1, std::memory_order_relaxed);
        try {
            return call.Default();
        } catch (...) {
            return 0;
        }
    }
}

std::uint32_t FailedFrameMessages() { return g_failedMessages.load(std::memory_order_relaxed); }

}  // namespace vt
