#pragma once
// A themed window's non-client input as the window procedure hands it over: the hit test, the
// cursor, the frame's buttons, the system commands, and the hover and pressed look let go. The
// dispatch passes the record's bits the engine needs (shrunk) and applies what comes back. The
// defaults are the engine with no theme.
#include <windows.h>

namespace vt {

// Whether a message was answered by the engine or goes on to the window's own procedure.
enum class Handling { Handled, PassOn };

struct MessageAnswer {
    Handling handling = Handling::PassOn;
    LRESULT result = 0;  // the message's result when handled
};

// What a frame command asks of the window's roll-up flag, which lives in the hook's record of
// the window: the hook sets it and gives the window its new shape.
enum class ShrinkRequest { Keep, Shrink, Unshrink };

struct CommandAnswer {
    Handling handling = Handling::PassOn;
    ShrinkRequest shrink = ShrinkRequest::Keep;
};

class FrameInputHandler {
public:
    virtual ~FrameInputHandler() = default;

    virtual LRESULT HitTest(HWND window, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    }
    // True when it set a cursor.
    virtual bool SetFrameCursor(HWND window, WPARAM wParam, WORD hitCode) {
        (void)window; (void)wParam; (void)hitCode;
        return false;
    }
    virtual MessageAnswer ButtonDown(HWND window, WPARAM hitCode, LPARAM lParam) {
        (void)window; (void)hitCode; (void)lParam;
        return {};
    }
    // The message's result is 0. `shrunk`: the window is rolled up now.
    virtual ShrinkRequest ButtonUp(HWND window, WPARAM hitCode, LPARAM lParam, bool shrunk) {
        (void)window; (void)hitCode; (void)lParam; (void)shrunk;
        return ShrinkRequest::Keep;
    }
    virtual CommandAnswer SystemCommand(HWND window, WPARAM command, LPARAM lParam, bool shrunk) {
        (void)window; (void)command; (void)lParam; (void)shrunk;
        return {};
    }
    virtual void ReleasePressed(HWND window) { (void)window; }
    // The pointer has gone to a window of another process ("Veltrane Stand Down"): the hover and
    // the pressed look go from `hoverWindow` (null: none known) and the hovered element is
    // forgotten.
    virtual void StandDown(HWND hoverWindow) { (void)hoverWindow; }
};

}  // namespace vt
