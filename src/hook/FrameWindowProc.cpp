#include "hook/FrameWindowProc.h"

#include <algorithm>
#include <atomic>
#include <optional>

#include "common/Dpi.h"
#include "common/win32/UniqueHandle.h"
#include "common/win32/WindowDpi.h"
#include "common/win32/HookMessages.h"
#include "frame/win32/MaximisedPlace.h"
#include "frame/win32/ThemeView.h"
#include "hook/ModuleState.h"
#include "hook/OwnFrameCheck.h"
#include "hook/PrintedFrame.h"

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
    // The message's hold of the theme: every engine call of the message takes it, and it lets go
    // of the theme lock whenever the program's own procedure runs (see ProgramCall).
    ThemeView* view = nullptr;

    ThemeView& View() const { return *view; }

    // Before a call into the program: its handling may run a modal loop, or wait for another
    // thread, for as long as it likes, and must not keep the other threads' frames out meanwhile.
    void ProgramCall() const {
        if (view) view->Release();
    }

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
        ProgramCall();
        if (suppressRedraw) CallDefault(unicode, window, WM_SETREDRAW, FALSE, 0);
        if (!previous) return CallDefault(unicode, window, message, wParam, lParam);
        return CallProcedure(previous, unicode, window, message, wParam, lParam);
    }

    LRESULT Default() const { return CallDefault(unicode, window, message, wParam, lParam); }
};

// The engine as the dispatch of a themed window's messages uses it, one interface per concern:
// each handler below takes only the ones it calls.
struct EngineParts {
    const FrameTheme& theme;
    FrameAppearance& appearance;
    FrameInputHandler& input;
    FrameMenus* menus;  // null: none

    explicit EngineParts(FrameEngine& engine)
        : theme(engine), appearance(engine), input(engine), menus(engine.Menus()) {}
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

bool IsChildWindow(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0; }

// A window is framed by the theme while it has a title bar: one without (a splash screen, a
// program gone full screen) keeps its own non-client area until the title bar comes back.
bool HasCaption(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION; }

// A maximised window's borders lie outside the work area, as with the system's own frame: its
// shape ends at the work area, so that they never show on a neighbouring monitor or the taskbar.
void ClipToWorkArea(HWND window, UniqueGdiObject& region) {
    if (!IsZoomed(window) || IsChildWindow(window)) return;  // a child's parent clips it already
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT outer{};
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) ||
        !GetWindowRect(window, &outer))
        return;
    const RECT& work = monitor.rcWork;
    UniqueGdiObject visible(CreateRectRgn(work.left - outer.left, work.top - outer.top, work.right - outer.left,
                                          work.bottom - outer.top));
    if (!visible) return;
    if (region) CombineRgn(static_cast<HRGN>(region.get()), static_cast<HRGN>(region.get()),
                           static_cast<HRGN>(visible.get()), RGN_AND);
    else region = std::move(visible);
}

// Whether the window's region is already this one (null: none): setting it again would redraw
// the whole window for nothing.
bool HasRegion(HWND window, HRGN wanted) {
    UniqueGdiObject current(CreateRectRgn(0, 0, 0, 0));
    if (!current) return false;
    const int kind = GetWindowRgn(window, static_cast<HRGN>(current.get()));
    if (kind == ERROR) return wanted == nullptr;
    return wanted && EqualRgn(static_cast<HRGN>(current.get()), wanted);
}

// The frame's shape follows the elements; SetWindowRgn owns the region once it accepts it. It
// sends the program WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED, so the theme is let go first.
void SetRegion(FrameAppearance& appearance, ThemeView& view, HWND window) {
    UniqueGdiObject region = appearance.BuildRegion(view, window, GetWindowLongPtrA(window, GWL_STYLE), IsShrunk(window));
    view.Release();
    ClipToWorkArea(window, region);
    if (HasRegion(window, static_cast<HRGN>(region.get()))) return;
    if (SetWindowRgn(window, static_cast<HRGN>(region.get()), TRUE)) region.release();
}

// The shape after a change of size. A hidden window's waits until it is shown: SetWindowRgn
// moves nothing but sends WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED, which a window being made
// (a dialog before WM_INITDIALOG) would not get unskinned.
void UpdateShape(FrameAppearance& appearance, ThemeView& view, HWND window) {
    if (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) SetRegion(appearance, view, window);
    else ChangeFlags(window, SubclassNode::ShapeOutdated, 0);
}

// A shape left waiting (by a hidden window's change of size, or a style change) is made when the
// window is shown or its program has its frame recomputed; without a title bar it has none.
void CatchUpShape(FrameAppearance& appearance, ThemeView& view, HWND window) {
    if (!HasFlag(window, SubclassNode::ShapeOutdated)) return;
    ChangeFlags(window, 0, SubclassNode::ShapeOutdated);
    if (HasCaption(window)) SetRegion(appearance, view, window);
    else if (!HasRegion(window, nullptr)) SetWindowRgn(window, nullptr, TRUE);
}

// A frame command rolled the window up or down: the flag lives in its record (a window without
// one never rolls up), and the shape follows it.
void ApplyShrink(FrameAppearance& appearance, ThemeView& view, HWND window, ShrinkRequest request) {
    if (request == ShrinkRequest::Keep) return;
    const bool shrink = request == ShrinkRequest::Shrink;
    ModuleState* state = ModuleStateIfStarted();
    if (!state || !state->registry.ChangeFlags(window, shrink ? SubclassNode::Shrunk : 0u,
                                               shrink ? 0u : SubclassNode::Shrunk))
        return;
    SetRegion(appearance, view, window);
}

// The frame's answer to a system command: handled (after any roll-up), or on to the window.
bool SystemCommandHandled(FrameInputHandler& input, FrameAppearance& appearance, HWND window,
                          const FrameCall& call) {
    CommandAnswer answer = input.SystemCommand(call.View(), window, call.wParam, call.lParam, IsShrunk(window));
    ApplyShrink(appearance, call.View(), window, answer.shrink);
    return answer.handling == Handling::Handled;
}

// After a theme switch: the client area recomputed by the new elements (which asks us through
// WM_NCCALCSIZE), the new shape, and the whole window drawn again; the outer size stays, so no
// size fix-up may follow.
void TakeNewFrame(FrameAppearance& appearance, ThemeView& view, Compositor& compositor, HWND window, bool loaded) {
    ChangeFlags(window, SubclassNode::SizeFixed, 0);
    const bool ours = loaded && !HasFlag(window, SubclassNode::OwnFrame);
    if (ours) compositor.TakeFrame(window);
    else compositor.GiveFrameBack(window);
    if (ours && HasCaption(window))
        SetRegion(appearance, view, window);
    else if (!HasRegion(window, nullptr))
        SetWindowRgn(window, nullptr, TRUE);  // no theme now: the program's own frame again
    RefreshFrame(window);
}

// The compositor of the process, told of frames that leave the skin.
void GiveFrameBack(HWND window) {
    if (ModuleState* state = ModuleStateIfStarted()) state->compositor.GiveFrameBack(window);
}

// The client area: until the program's own answer has been compared with the system's, the
// program is asked first (its answer stands when it draws its own frame).
LRESULT OnNcCalcSize(FrameAppearance& appearance, const FrameCall& call) {
    if (!HasFlag(call.window, SubclassNode::FrameChecked)) {
        if (call.wParam) ChangeFlags(call.window, SubclassNode::FrameChecked, 0);
        LPARAM asked = call.lParam;
        NCCALCSIZE_PARAMS params{};
        RECT rect{};
        if (call.lParam && call.wParam) params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(call.lParam), asked = LPARAM(&params);
        else if (call.lParam) rect = *reinterpret_cast<RECT*>(call.lParam), asked = LPARAM(&rect);
        call.ProgramCall();
        ClientAreaAnswer answer = AskProgramForClientArea(call.previous, call.unicode, call.window, call.wParam, asked);
        if (answer.ownFrame) {
            ChangeFlags(call.window, SubclassNode::OwnFrame | SubclassNode::FrameChecked, 0);
            GiveFrameBack(call.window);
            // A window being made has no shape of ours yet, and must not be moved before WM_CREATE.
            if (!HasRegion(call.window, nullptr)) SetWindowRgn(call.window, nullptr, TRUE);
            if (call.lParam && call.wParam) *reinterpret_cast<NCCALCSIZE_PARAMS*>(call.lParam) = params;
            else if (call.lParam) *reinterpret_cast<RECT*>(call.lParam) = rect;
            return answer.result;
        }
    }
    return appearance.CalcClientArea(call.View(), call.window, call.wParam, call.lParam);
}

// The system's default handling of a new title or icon draws its own caption straight onto the
// window: the window is marked invisible to it for that call, and the themed frame drawn after.
LRESULT WithoutSystemCaption(FrameAppearance& appearance, const FrameCall& call) {
    const LONG_PTR style = GetWindowLongPtrA(call.window, GWL_STYLE);
    const bool hide = (style & WS_VISIBLE) != 0;
    struct Shown {
        HWND window;
        LONG_PTR style;
        bool hidden;
        ~Shown() {
            if (hidden) SetWindowLongPtrA(window, GWL_STYLE, style);
        }
    } shown{call.window, style, hide};
    if (hide) SetWindowLongPtrA(call.window, GWL_STYLE, style & ~LONG_PTR(WS_VISIBLE));
    LRESULT result = call.CallPrevious();
    if (hide) {
        // Put back before painting: an invisible window's DC draws nothing.
        SetWindowLongPtrA(call.window, GWL_STYLE, GetWindowLongPtrA(call.window, GWL_STYLE) | WS_VISIBLE);
        shown.hidden = false;
        if (call.message == WM_SETTEXT) SetRegion(appearance, call.View(), call.window);  // a caption measured by its text
        appearance.PaintFrame(call.View(), call.window, IsActive(call.window));
    }
    return result;
}

// A style change (a program that takes its maximise box away, goes full screen, ...): the picture
// follows the elements that apply to the new style at once; the client area and the shape follow
// when the program has its frame recomputed (SetWindowPos with SWP_FRAMECHANGED), as with the
// system's own frame. Moving the window here could loop with a program that changes a style
// while it handles a move.
LRESULT OnStyleChanged(FrameAppearance& appearance, const FrameCall& call) {
    LRESULT result = call.CallPrevious();
    const auto* change = reinterpret_cast<const STYLESTRUCT*>(call.lParam);
    // Our own hiding of the caption (see WithoutSystemCaption) changes nothing of the frame.
    if (call.wParam != WPARAM(GWL_STYLE) || !change || ((change->styleOld ^ change->styleNew) & ~DWORD(WS_VISIBLE)) == 0)
        return result;
    ChangeFlags(call.window, SubclassNode::ShapeOutdated, 0);
    if (HasCaption(call.window)) appearance.PaintFrame(call.View(), call.window, IsActive(call.window));
    return result;
}

LRESULT OnPositionChanged(FrameAppearance& appearance, const FrameCall& call) {
    LRESULT result = call.CallPrevious();
    const auto* position = reinterpret_cast<const WINDOWPOS*>(call.lParam);
    if (position && (position->flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED))) CatchUpShape(appearance, call.View(), call.window);
    return result;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A maximised MDI document placed where the system's frame would have it goes where the theme's
// frame has it instead: otherwise a strip of its caption would show across the top of the MDI
// client (as far as the theme's caption is taller than the system's).
void KeepDocumentMaximised(FrameAppearance& appearance, const FrameCall& call) {
    auto* position = reinterpret_cast<WINDOWPOS*>(call.lParam);
    if (!position || (position->flags & SWP_NOSIZE) || (position->flags & SWP_NOMOVE) ||
        !IsMdiDocument(call.window) || !IsZoomed(call.window))
        return;
    const RECT asked{position->x, position->y, position->x + position->cx, position->y + position->cy};
    if (!SameRect(asked, SystemMaximisedDocument(call.window))) return;
    if (std::optional<RECT> own = MaximisedPlace(appearance, call.View(), call.window)) {
        position->x = own->left;
        position->y = own->top;
        position->cx = own->right - own->left;
        position->cy = own->bottom - own->top;
    }
}

// Maximised, the window takes the theme's maximised place (see MaximisedPlace). A program that
// chose its own maximised size or place keeps it; an MDI document's answer comes from the MDI
// client, which answers for the system's frame.
LRESULT OnGetMinMaxInfo(FrameAppearance& appearance, const FrameCall& call) {
    auto* info = reinterpret_cast<MINMAXINFO*>(call.lParam);
    if (!info) return call.CallPrevious();
    const RECT asked{info->ptMaxPosition.x, info->ptMaxPosition.y, info->ptMaxPosition.x + info->ptMaxSize.x,
                     info->ptMaxPosition.y + info->ptMaxSize.y};
    LRESULT result = call.CallPrevious();
    const RECT answered{info->ptMaxPosition.x, info->ptMaxPosition.y, info->ptMaxPosition.x + info->ptMaxSize.x,
                        info->ptMaxPosition.y + info->ptMaxSize.y};
    if (!SameRect(answered, IsMdiDocument(call.window) ? SystemMaximisedDocument(call.window) : asked)) return result;
    std::optional<RECT> own = MaximisedPlace(appearance, call.View(), call.window);
    if (!own) return result;
    info->ptMaxPosition = POINT{own->left, own->top};
    info->ptMaxSize = POINT{own->right - own->left, own->bottom - own->top};
    info->ptMaxTrackSize.x = std::max(info->ptMaxTrackSize.x, info->ptMaxSize.x);
    info->ptMaxTrackSize.y = std::max(info->ptMaxTrackSize.y, info->ptMaxSize.y);
    return result;
}

// The first WM_SIZE after registration makes the window as large as its client size plus the
// theme's frame, so the client area keeps the size the program asked for.
LRESULT OnSize(const FrameTheme& theme, FrameAppearance& appearance, const FrameCall& call) {
    const SizeFixups fixups = theme.Fixups(call.View());
    UpdateShape(appearance, call.View(), call.window);
    std::optional<SubclassNode> record = Record(call.window);
    if (!record || record->Has(SubclassNode::NoSizeFixup | SubclassNode::SizeFixed) ||
        (fixups.width == 0 && fixups.height == 0 && fixups.menu == 0)) {
        return call.CallPrevious();
    }
    ChangeFlags(call.window, SubclassNode::SizeFixed, 0);
    // A window whose program has not yet answered a frame calculation of its own may draw its own
    // frame: the fix-up would enlarge it for nothing. Which it does is decided by the next real
    // calculation, which the program asks for (no frame change is forced on it here).
    if (!record->Has(SubclassNode::FrameChecked)) {
        call.ProgramCall();
        if (ProgramDrawsOwnFrame(call.previous, call.unicode, call.window)) return call.CallPrevious();
    }
    // The fix-ups are theme lengths, at the window's scale like the frame they make room for.
    const std::int32_t dpi = WindowDpi(call.window);
    int height = int(HIWORD(call.lParam)) + ScaleLength(fixups.height, dpi);
    if (MenuItemCount(call.window) != 0) height += ScaleLength(fixups.menu, dpi);
    int width = int(LOWORD(call.lParam)) + ScaleLength(fixups.width, dpi);
    LRESULT result = call.CallPrevious();
    SetWindowPos(call.window, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    return result;
}

// The zoom from the pointer to a window being shown, in steps of 5 ms.
constexpr int kShowZoomSteps = 20;

LRESULT OnShowOrPositionChanging(const FrameTheme& theme, FrameAppearance& appearance, const FrameCall& call) {
    if (call.wParam != 0 && theme.WindowZoom(call.View())) {
        RECT to{};
        POINT cursor{};
        GetWindowRect(call.window, &to);
        GetCursorPos(&cursor);
        appearance.ZoomRect(call.View(), RECT{cursor.x, cursor.y, cursor.x, cursor.y}, to, kShowZoomSteps);
    }
    return call.CallPrevious();
}

LRESULT OnNcActivate(FrameInputHandler& input, FrameAppearance& appearance, const FrameCall& call) {
    bool active = call.wParam != 0;
    // A press goes with the activation only: a click on a button of an inactive window activates
    // it between the button's down and up (the system's WM_NCACTIVATE and the one posted after
    // WM_ACTIVATE), and the button acts when released over it.
    if (!active) input.ReleasePressed(call.View(), call.window);
    ChangeFlags(call.window, active ? SubclassNode::Active : 0u, active ? 0u : SubclassNode::Active);
    appearance.PaintFrame(call.View(), call.window, active);
    return TRUE;  // Windows' own caption drawing never runs over the theme
}

// A forwarding record: a child window whose parent's themed frame handles its system commands.
LRESULT DispatchForwarding(FrameInputHandler& input, FrameAppearance& appearance, const FrameCall& call) {
    if (call.message == WM_SYSCOMMAND) {
        HWND parent = GetParent(call.window);
        if (parent && MenuItemCount(parent) > 0) {
            return SystemCommandHandled(input, appearance, parent, call) ? 0 : call.CallPrevious();
        }
    }
    return call.CallPrevious();
}

// The system's undocumented caption and frame drawing messages (sent where visual styles are on).
constexpr UINT kNcUahDrawCaption = 0x00AE;
constexpr UINT kNcUahDrawFrame = 0x00AF;
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, newer than the headers this builds with
constexpr UINT kGetDpiScaledSize = 0x02E4;       // WM_GETDPISCALEDSIZE
constexpr UINT kDwmCompositionChanged = 0x031E;  // WM_DWMCOMPOSITIONCHANGED

// Before a move to a monitor of another scale, the size the window will have there. Windows would
// scale the whole window, our frame with it, so that the client area drifts by the rounding of a
// frame that is not scaled that way: instead the client area is scaled exactly and our frame at the
// new scale put around it. A program that answers for itself keeps its answer.
LRESULT OnGetDpiScaledSize(FrameAppearance& appearance, const FrameCall& call) {
    auto* size = reinterpret_cast<SIZE*>(call.lParam);
    const auto to = std::int32_t(call.wParam);
    if (!size || to <= 0) return call.CallPrevious();
    const SIZE pending = *size;
    if (LRESULT answered = call.CallPrevious()) return answered;
    const std::int32_t from = WindowDpi(call.window);
    const SIZE inset = appearance.FrameInset(call.View(), call.window, pending.cx, pending.cy, from);
    const SIZE client{RescaleLength(pending.cx - inset.cx, from, to), RescaleLength(pending.cy - inset.cy, from, to)};
    // Measured twice: a frame anchored to the far corners can depend on the size it frames.
    SIZE scaledInset = appearance.FrameInset(call.View(), call.window, client.cx + inset.cx, client.cy + inset.cy, to);
    scaledInset = appearance.FrameInset(call.View(), call.window, client.cx + scaledInset.cx, client.cy + scaledInset.cy, to);
    *size = SIZE{client.cx + scaledInset.cx, client.cy + scaledInset.cy};
    return TRUE;
}

// The compositor forgets what it was told when it restarts or the visual style changes.
LRESULT TellCompositorAgain(const FrameCall& call) {
    LRESULT result = call.CallPrevious();
    if (ModuleState* state = ModuleStateIfStarted()) state->compositor.TakeFrame(call.window);
    return result;
}

LRESULT DispatchThemed(const EngineParts& engine, const FrameCall& call, const SubclassNode& record) {
    const HWND window = call.window;
    FrameAppearance& appearance = engine.appearance;
    FrameInputHandler& input = engine.input;
    FrameMenus* menus = engine.menus;
    if (record.Has(SubclassNode::OwnFrame)) return call.CallPrevious();
    // A window without a title bar keeps its own frame; a shape it had waits for the frame change.
    if (call.message == WM_WINDOWPOSCHANGED) return OnPositionChanged(appearance, call);
    if (call.message != WM_STYLECHANGED && !HasCaption(window)) return call.CallPrevious();
    switch (call.message) {
    case WM_SIZE:
        return OnSize(engine.theme, appearance, call);
    case WM_STYLECHANGED:
        return OnStyleChanged(appearance, call);
    case WM_GETMINMAXINFO:
        return OnGetMinMaxInfo(appearance, call);
    case WM_SETICON:
        return WithoutSystemCaption(appearance, call);
    case kDpiChanged: {
        // Moved to a monitor of another scale: the program takes the new size (or not); the
        // frame, its client area and its shape follow the new scale.
        LRESULT result = call.CallPrevious();
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        SetRegion(appearance, call.View(), window);
        return result;
    }
    case kGetDpiScaledSize:
        return OnGetDpiScaledSize(appearance, call);
    case kDwmCompositionChanged:
    case WM_THEMECHANGED:
        return TellCompositorAgain(call);
    case WM_PRINT:
        return PrintWithFrame(appearance, call.View(), window, reinterpret_cast<HDC>(call.wParam), call.lParam, IsActive(window),
                              [&](LPARAM flags) {
                                  FrameCall rest = call;
                                  rest.lParam = flags;
                                  return rest.CallPrevious();
                              });
    case WM_ENABLE: {
        LRESULT result = call.CallPrevious();
        appearance.PaintFrame(call.View(), window, IsActive(window));
        return result;
    }
    case WM_SYSCOLORCHANGE: {  // the theme's colours are new already (see FrameWindowProc)
        LRESULT result = call.CallPrevious();
        appearance.PaintFrame(call.View(), window, IsActive(window));
        return result;
    }
    case kNcUahDrawCaption:
    case kNcUahDrawFrame:
        return 0;
    case WM_ACTIVATE: {
        LRESULT result = call.CallPrevious();
        // The low word is the state; the high word says whether the window is minimised.
        PostMessageA(window, WM_NCACTIVATE, LOWORD(call.wParam) != WA_INACTIVE, call.lParam);
        return result;
    }
    case WM_SETTEXT:
        return WithoutSystemCaption(appearance, call);
    case WM_SHOWWINDOW:
        if (call.wParam) CatchUpShape(appearance, call.View(), window);  // shaped before it shows
        return OnShowOrPositionChanging(engine.theme, appearance, call);
    case WM_WINDOWPOSCHANGING:  // wParam is always 0 here: it only passes on
        KeepDocumentMaximised(appearance, call);
        return OnShowOrPositionChanging(engine.theme, appearance, call);
    case WM_SETCURSOR:
        return input.SetFrameCursor(window, call.wParam, LOWORD(call.lParam)) ? TRUE : call.CallPrevious();
    case WM_NCCALCSIZE:
        return OnNcCalcSize(appearance, call);
    case WM_NCHITTEST:
        return input.HitTest(call.View(), window, call.wParam, call.lParam);
    case WM_NCPAINT:
        appearance.PaintFrame(call.View(), window, IsActive(window));
        return 0;
    case WM_NCACTIVATE:
        return OnNcActivate(input, appearance, call);
    case WM_NCMOUSEMOVE:
        if (call.wParam == kMenuBarHitCode) {
            if (menus) menus->TrackMenu(window, std::uint32_t(call.lParam), MenuTracking::Measure);
            return 0;
        }
        return call.CallPrevious();
    case WM_NCLBUTTONDOWN: {
        MessageAnswer answer = input.ButtonDown(call.View(), window, call.wParam, call.lParam);
        return answer.handling == Handling::PassOn ? call.CallPrevious() : answer.result;
    }
    case WM_NCLBUTTONUP:
        ApplyShrink(appearance, call.View(), window,
                    input.ButtonUp(call.View(), window, call.wParam, call.lParam, IsShrunk(window)));
        return 0;
    case WM_SYSCOMMAND:
        return SystemCommandHandled(input, appearance, window, call) ? 0 : call.CallPrevious();
    case WM_INITMENUPOPUP: {
        if (menus) {
            call.View().Hold();
            menus->SetPopupMenu(reinterpret_cast<HMENU>(call.wParam), LOWORD(call.lParam));
        }
        LRESULT result = call.CallPrevious();
        if (HIWORD(call.lParam) != 0) appearance.PaintFrame(call.View(), window, IsActive(window));  // the window menu
        return result;
    }
    case WM_ENTERMENULOOP:
        if (menus) {
            call.View().Hold();
            menus->StartMenuHook();
        }
        return call.CallPrevious(true);
    case WM_EXITMENULOOP: {
        if (menus) {
            call.View().Hold();
            menus->StopMenuHook();
        }
        LRESULT result = call.CallPrevious();
        CallDefault(call.unicode, window, WM_SETREDRAW, TRUE, 0);
        appearance.PaintFrame(call.View(), window, IsActive(window));
        return result;
    }
    default:
        return call.CallPrevious();
    }
}

// The registered messages a loaded theme answers, before the per-kind dispatch.
bool DispatchThemeMessage(const EngineParts& engine, const FrameCall& call, const SubclassNode& record,
                          LRESULT& result) {
    const HookMessages& messages = Messages();
    if (call.message < 0xC000) return false;  // also keeps WM_NULL away from a number never registered
    if (call.message == engine.theme.RepaintMessage()) {
        engine.appearance.RepaintElements(call.View(), call.window, std::intptr_t(call.wParam), std::intptr_t(call.lParam),
                                          record.Has(SubclassNode::Active));
        result = 0;
    } else if (call.message == messages.tick) {
        engine.appearance.RunIdleScripts(call.View(), call.window, record.Has(SubclassNode::Active));
        result = 0;
    } else if (call.message == messages.standDown) {
        ModuleState* state = ModuleStateIfStarted();
        HWND hover = state && state->sharedArea.IsMapped() ? state->sharedArea.HoverWindow() : nullptr;
        engine.input.StandDown(call.View(), hover);
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
    // The theme lock is taken once, by the message's first engine call, and let go when the
    // message ends (or the program's procedure runs): see ThemeView.
    ThemeView view;
    FrameCall call{window, message, wParam, lParam, nullptr, false, &view};
    FrameEngine* frame = nullptr;
    std::optional<SubclassNode> record;
    bool passThrough = false;
    try {
        ModuleState* state = ModuleStateIfStarted();
        if (state) record = state->registry.Lookup(window);
        if (!record) {
            std::optional<SubclassRegistry::PassThrough> through =
                state ? state->registry.PassThroughFor(window) : std::nullopt;
            if (!through) {
                // A window whose record went by another path.
                call.unicode = IsWindowUnicode(window) != FALSE;
                return call.Default();
            }
            // Left in the chain of a program that subclassed the window after us: everything
            // goes on to the procedure we replaced.
            call.previous = through->previousProc;
            call.unicode = through->unicode;
            passThrough = true;
            if (message == WM_NCDESTROY) state->registry.ForgetPassThrough(window);
        }
        if (record) {
            call.previous = record->previousProc;
            call.unicode = record->unicode;
            LRESULT result = 0;
            if (DispatchModuleMessage(*state, call, result)) return result;
            if (call.message == Messages().themeChanged && call.message >= 0xC000 &&
                state->registry.TakeThemeGeneration(window, state->themeGeneration.load())) {
                // The process has switched themes (in the hook); this window takes the new
                // frame once, on its own thread, however the change reached it.
                const EngineParts engine(*state->frame);
                TakeNewFrame(engine.appearance, view, state->compositor, window, engine.theme.ThemeLoaded());
                passThrough = true;
            } else {
                frame = state->frame.get();
                passThrough = !frame->ThemeLoaded();
            }
        }
    } catch (...) {
        // Our own work failed, as in the dispatch below: the system answers.
        g_failedMessages.fetch_add(1, std::memory_order_relaxed);
        view.Release();
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
        const EngineParts engine(*frame);
        // A new colour scheme is the process's: taken whichever of its windows hears of it first,
        // also one without a title bar, so that a frame drawn later has the new colours too.
        if (call.message == WM_SYSCOLORCHANGE) engine.appearance.SystemColoursChanged(view);
        if (DispatchThemeMessage(engine, call, *record, result)) return result;
        if (!record->Has(SubclassNode::Themed)) return DispatchForwarding(engine.input, engine.appearance, call);
        return DispatchThemed(engine, call, *record);
    } catch (...) {
        g_failedMessages.fetch_add(1, std::memory_order_relaxed);
        view.Release();
        try {
            return call.Default();
        } catch (...) {
            return 0;
        }
    }
}

std::uint32_t FailedFrameMessages() { return g_failedMessages.load(std::memory_order_relaxed); }

}  // namespace vt
