#include "frame/win32/NonClientInput.h"

#include <windowsx.h>

#include <optional>

#include "frame/ElementGeometry.h"
#include "frame/FrameHit.h"
#include "frame/win32/CaptionDrag.h"
#include "frame/win32/ScriptSurface.h"
#include "frame/win32/WindowGeometry.h"
#include "frame/win32/WindowScrollBars.h"
#include "theme/win32/ThemeLock.h"

namespace vt {
namespace {

// Repaint requests go to the window's own procedure: sent, when the window is this thread's
// (the repaint runs nested, inside this pass, under the same hold of the theme lock); posted to
// a window of another thread (the stand-down's hover window may be one), since a send would
// wait, under the lock, for a thread that may be waiting for it.
class WindowRepaints final : public RepaintRequests {
public:
    WindowRepaints(HWND window, UINT message) : window_(window), message_(message) {}
    void Repaint(std::intptr_t first, std::intptr_t second) override {
        if (!message_) return;
        if (GetWindowThreadProcessId(window_, nullptr) == GetCurrentThreadId())
            SendMessageA(window_, message_, WPARAM(first), LPARAM(second));
        else
            PostMessageA(window_, message_, WPARAM(first), LPARAM(second));
    }

private:
    HWND window_;
    UINT message_;
};

bool LeftButtonDown() { return (GetKeyState(VK_LBUTTON) & 0x8000) != 0; }

bool PressesAsButton(std::int32_t code) {
    return (code >= kCodeClose && code <= kCodeTaskList) || code == kCodeSave || code == kCodePower ||
           (code >= kCodeShrink && code <= kCodeShrinkFlip);
}

bool HasHoverWords(const TUIElement* element) {
    return element && (element->OnMouseEnter || element->OnMouseExit);
}

// The system command a released frame button stands for (0: none).
WPARAM ButtonCommand(HWND window, std::int32_t code) {
    switch (code) {
    case kCodeClose: return SC_CLOSE;
    case kCodeMinimize: return SC_MINIMIZE;
    case kCodeMaximize: {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(window, &placement);
        return placement.showCmd == SW_SHOWMAXIMIZED ? SC_RESTORE : SC_MAXIMIZE;
    }
    case kCodeNext: return SC_NEXTWINDOW;
    case kCodePrev: return SC_PREVWINDOW;
    case kCodeHelp: return SC_CONTEXTHELP;
    case kCodeTaskList: return SC_TASKLIST;
    case kCodeSave: return SC_SCREENSAVE;
    case kCodePower: return SC_MONITORPOWER;
    default: return 0;
    }
}

}  // namespace

LRESULT NonClientInput::HitTest(ThemeView& view, HWND window, LPARAM screenPoint) {
    if (sharedArea_.IsMapped()) sharedArea_.SetHoverWindow(window);
    if (!theme_.Elements) return HTERROR;
    const WindowGeometry g = ReadWindowGeometry(window);
    const std::int32_t x = GET_X_LPARAM(screenPoint) - g.left, y = GET_Y_LPARAM(screenPoint) - g.top;
    FrameHit hit;
    FrameInput::HoverMove move;
    {
        ScriptSurface scripts(theme_.Drawing, settings_.calcScripts, resources_, window, g.style, g.dpi);
        FrameLayout& layout = view.Layout(theme_, LayoutOf(window, g));
        hit = HitTestElements(layout, x, y, g.hasMenuBar);
        if (g.style & (kStyleVScroll | kStyleHScroll)) {
            // The program's scroll bars lie over whatever the theme puts there.
            const Rect area = layout.ClientRect(g.hasMenuBar);
            const std::int32_t bar = ScrollBarHit(WindowScrollBars(g, area), x, y, GripHitCode(g, window));
            if (bar != kCodeNowhere) hit.code = bar;
        }
        if (hit.element && hit.element != input_.Hovered()) {
            if (HasHoverWords(hit.element) || HasHoverWords(input_.Hovered())) scripts.Acquire();
            move = input_.MoveHover(*theme_.Scripts, hit.element, hit.index);
        }
    }  // the surface goes before the repaint makes its own
    WindowRepaints repaint(window, settings_.repaintMessage);
    if (move.repaint) repaint.Repaint(move.oldIndex, hit.index);
    if (input_.PressedCode() != FrameInput::kNone) {
        if (!LeftButtonDown()) Release();
        else if (window == pressedWindow_) input_.TrackPressed(*theme_.Elements, hit.code, repaint);
    }
    return hit.code;
}

bool NonClientInput::SetFrameCursor(WORD hitCode) {
    LPCSTR cursor = nullptr;
    switch (hitCode) {
    case HTGROWBOX: case HTTOPLEFT: case HTBOTTOMRIGHT: cursor = IDC_SIZENWSE; break;
    case HTLEFT: case HTRIGHT: cursor = IDC_SIZEWE; break;
    case HTTOP: case HTBOTTOM: cursor = IDC_SIZENS; break;
    case HTTOPRIGHT: case HTBOTTOMLEFT: cursor = IDC_SIZENESW; break;
    default: return false;
    }
    SetCursor(LoadCursorA(nullptr, cursor));
    return true;
}

MessageAnswer NonClientInput::ButtonDown(HWND window, WPARAM hitCode, LPARAM lParam) {
    const std::int32_t code = std::int32_t(hitCode);
    MessageAnswer handled{Handling::Handled, 0};
    // Dragging and sizing are modal loops as long as the user holds the button, and the window
    // menu's is as long as it stays open: the theme lock is let go meanwhile, so that the
    // program's other GUI threads keep painting their frames. Nothing below uses theme state
    // after the loop; the nested passes inside it take the lock as any pass does.
    std::optional<PumpingLockYield> modal;
    if (code == kCodeCaption || code == kCodeSysMenu || code == kCodeMenuBar || code == kCodeGrowBox ||
        (code >= kCodeLeft && code <= kCodeBottomRight))
        modal.emplace(ThemeLock());
    if (code == kCodeCaption) {
        DragCaption(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    } else if (code == kCodeSysMenu || code == kCodeMenuBar) {
        SendMessageA(window, WM_SYSCOMMAND, SC_MOUSEMENU, lParam);
    } else if (code == kCodeGrowBox) {
        SendMessageA(window, WM_SYSCOMMAND, SC_SIZE, lParam);
    } else if (code >= kCodeLeft && code <= kCodeBottomRight) {
        // SC_SIZE plus the WMSZ_ edge: 1 left, 2 right, 3 top, ... 8 bottom-right.
        SendMessageA(window, WM_SYSCOMMAND, SC_SIZE + WPARAM(code - (kCodeLeft - 1)), lParam);
    } else if (PressesAsButton(code) && theme_.Elements) {
        WindowRepaints repaint(window, settings_.repaintMessage);
        Release();  // a press another window never saw released
        pressedWindow_ = window;
        input_.PressElement(*theme_.Elements, code, repaint);
    } else {
        return {};  // RESTORE and everything else: the window's own procedure
    }
    return handled;
}

ShrinkRequest NonClientInput::ButtonUp(HWND window, WPARAM hitCode, LPARAM lParam, bool shrunk) {
    const std::int32_t code = std::int32_t(hitCode);
    WPARAM command = 0;
    ShrinkRequest shrink = ShrinkRequest::Keep;
    if (code == input_.PressedCode() && window == pressedWindow_) {
        if (code == kCodeShrink) shrink = ShrinkRequest::Shrink;
        else if (code == kCodeUnshrink) shrink = ShrinkRequest::Unshrink;
        else if (code == kCodeShrinkFlip) shrink = shrunk ? ShrinkRequest::Unshrink : ShrinkRequest::Shrink;
        else command = ButtonCommand(window, code);
    }
    Release();
    if (command) {
        // The program answers the command as it likes (a dialog, its own modal loop): not
        // under the theme lock, as in ButtonDown.
        PumpingLockYield callOut(ThemeLock());
        SendMessageA(window, WM_SYSCOMMAND, command, lParam);
    }
    return shrink;
}

CommandAnswer NonClientInput::SystemCommand(ThemeView& view, HWND window, WPARAM command, LPARAM lParam,
                                            bool shrunk) {
    const WPARAM cmd = LOWORD(command) & 0xFFF0;
    switch (cmd) {
    case SC_MAXIMIZE:
    case SC_RESTORE:
        // A rolled-up window first unrolls; the command is spent on that.
        if (theme_.ShrinkElement && shrunk) return {Handling::Handled, ShrinkRequest::Unshrink};
        return {};
    case SC_MOUSEMENU: {
        const LRESULT code = HitTest(view, window, lParam);
        if (code == kCodeSysMenu || code == kCodeIcon) TrackMenu(window, std::uint32_t(lParam), MenuTracking::WindowMenu);
        else if (code == kCodeMenuBar) TrackMenu(window, std::uint32_t(lParam), MenuTracking::AtPoint);
        return {Handling::Handled, ShrinkRequest::Keep};
    }
    case SC_KEYMENU:
        if (lParam == ' ') {  // Alt+Space: the window menu just inside the window's corner
            RECT outer{};
            GetWindowRect(window, &outer);
            TrackMenu(window, std::uint32_t(MAKELONG(outer.left + 4, outer.top + 4)), MenuTracking::WindowMenu);
        } else {
            TrackMenu(window, std::uint32_t(lParam), MenuTracking::ByKey);
        }
        return {Handling::Handled, ShrinkRequest::Keep};
    default:
        return {};
    }
}

void NonClientInput::ReleasePressed(HWND window) {
    if (window == pressedWindow_) Release();
}

void NonClientInput::Release() {
    if (!theme_.Elements || input_.PressedCode() == FrameInput::kNone) return;
    WindowRepaints repaint(pressedWindow_, settings_.repaintMessage);
    input_.ReleasePressed(*theme_.Elements, repaint);
}

void NonClientInput::ReleaseHover(ThemeView& view, HWND window, bool shownDown, bool releaseAll) {
    if (!theme_.Elements) return;
    // The exit words read that window's rectangles.
    view.Layout(theme_, LayoutOf(window, ReadWindowGeometry(window))).Claim();
    WindowRepaints repaint(window, settings_.repaintMessage);
    input_.ReleaseHover(*theme_.Scripts, *theme_.Elements, shownDown, releaseAll, repaint);
}

void NonClientInput::StandDown(ThemeView& view, HWND hoverWindow) {
    if (!input_.HoverActive()) return;
    // Whichever message elsewhere sent it, the hover goes in full at once: a skinned window
    // there takes the hover window over with its own hit test, so no second stand-down (after
    // its cursor is set) would ever come to release what the first one left.
    input_.ForgetHovered();
    if (hoverWindow) ReleaseHover(view, hoverWindow, false, true);
}

bool NonClientInput::TrackMenu(HWND window, std::uint32_t value, MenuTracking mode) {
    // The menu's loop lasts as long as the menu stays open; the menus reach the theme only
    // through the engine's own calls, each of which takes the lock for itself.
    PumpingLockYield modal(ThemeLock());
    return menus_ && menus_->TrackMenu(window, value, mode);
}

}  // namespace vt
