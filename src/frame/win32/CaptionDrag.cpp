#include "frame/win32/CaptionDrag.h"

#include <optional>

#include "graphics/win32/GdiGuards.h"

namespace vt {
namespace {

// The capture for the drag, given back however the loop ends, unless another window has
// taken it meanwhile.
class CaptureGuard {
public:
    explicit CaptureGuard(HWND window) : window_(window) { SetCapture(window); }
    ~CaptureGuard() {
        if (GetCapture() == window_) ReleaseCapture();
    }
    CaptureGuard(const CaptureGuard&) = delete;
    CaptureGuard& operator=(const CaptureGuard&) = delete;

private:
    HWND window_;
};

bool LeftButtonDown() { return (GetKeyState(VK_LBUTTON) & 0x8000) != 0; }
// The button as the input system has it now, ahead of the messages still to come.
bool LeftButtonHeld() { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }

// The loop's conditions that no message announces to it.
bool DragGoesOn(HWND window) { return IsWindow(window) && GetCapture() == window; }

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

// Where the window would go, shown as an inverted frame on the screen while "show window
// contents while dragging" is off: the window itself moves once, when the button is released.
class DragOutline {
public:
    DragOutline() : screen_(nullptr, GetDC(nullptr)) {}
    ~DragOutline() { Hide(); }
    DragOutline(const DragOutline&) = delete;
    DragOutline& operator=(const DragOutline&) = delete;

    void Show(const RECT& r) {
        Hide();
        Invert(r);
        shown_ = r;
        visible_ = true;
    }
    void Hide() {
        if (visible_) Invert(shown_);
        visible_ = false;
    }

private:
    void Invert(const RECT& r) {
        if (!screen_) return;
        constexpr int kThickness = 3;
        const int w = r.right - r.left, h = r.bottom - r.top;
        HDC dc = screen_.Get();
        PatBlt(dc, r.left, r.top, w, kThickness, DSTINVERT);
        PatBlt(dc, r.left, r.bottom - kThickness, w, kThickness, DSTINVERT);
        PatBlt(dc, r.left, r.top + kThickness, kThickness, h - 2 * kThickness, DSTINVERT);
        PatBlt(dc, r.right - kThickness, r.top + kThickness, kThickness, h - 2 * kThickness, DSTINVERT);
        GdiFlush();
    }

    WindowDc screen_;
    RECT shown_{};
    bool visible_ = false;
};

bool FullWindowDrag() {
    BOOL full = TRUE;
    return !SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0) || full;
}

constexpr DWORD kPollMs = 50;

RECT MovedBy(const RECT& start, POINT from, POINT to) {
    RECT r = start;
    OffsetRect(&r, to.x - from.x, to.y - from.y);
    return r;
}

void Place(HWND window, const RECT& r) {
    SetWindowPos(window, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

// The modal loop: `follow` gets each new pointer position (`last` holds the latest) until the
// drag ends.
template <typename Follow>
void RunDrag(HWND window, POINT& last, Follow follow) {
    for (;;) {
        MSG message{};
        if (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
            PostQuitMessage(int(message.wParam));  // the program's own loop must see it
            return;
        }
        if (!DragGoesOn(window)) return;
        if (!PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
            // Nothing queued: a button already up ends the drag even when its message never
            // comes (taken by another loop, or lost).
            if (!LeftButtonDown() || !LeftButtonHeld()) return;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
            continue;
        }
        const bool done = !LeftButtonDown();
        // Where the pointer was when the message was made (the cursor may already be ahead of
        // the messages still queued); the release point counts too: the window ends there.
        const POINT pt = message.pt;
        if (IsMouseMessage(message.message) && (pt.x != last.x || pt.y != last.y)) {
            last = pt;
            follow(pt);
        }
        DispatchMessageA(&message);  // also the message that ended the drag
        if (done) return;
    }
}

}  // namespace

void DragCaption(HWND window, POINT pressedAt) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    // A maximised window stays where maximised windows are, as the system's own frame keeps it:
    // the press only brings it forward. (Restoring it under the pointer instead would change its
    // size on a press that may only have been meant to activate it.)
    if (IsZoomed(window)) return;
    RECT start{};
    GetWindowRect(window, &start);
    // The window goes where the whole way from the press puts it, so that one odd position in
    // the messages costs nothing once the next one has come.
    POINT last = pressedAt;
    const bool live = FullWindowDrag();
    {
        std::optional<DragOutline> outline;
        if (!live) outline.emplace();
        CaptureGuard capture(window);
        RunDrag(window, last, [&](POINT pt) {
            const RECT r = MovedBy(start, pressedAt, pt);
            if (outline) outline->Show(r);
            else Place(window, r);
        });
    }  // the outline gone, the capture given back
    if (!live && (last.x != pressedAt.x || last.y != pressedAt.y) && IsWindow(window)) {
        Place(window, MovedBy(start, pressedAt, last));
    }
}

}  // namespace vt
