#pragma once
// A themed window's non-client input as the window procedure hands it over: the hit test, the
// cursor, the frame's buttons, the system commands, and the hover and pressed look let go. The
// dispatch passes the record's bits the engine needs (shrunk) and applies what comes back.
#include <windows.h>

#include "frame/win32/ThemeView.h"

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

    virtual LRESULT HitTest(ThemeView& view, HWND window, WPARAM wParam, LPARAM lParam) = 0;
    // True when it set a cursor.
    virtual bool SetFrameCursor(HWND window, WPARAM wParam, WORD hitCode) = 0;
    virtual MessageAnswer ButtonDown(ThemeView& view, HWND window, WPARAM hitCode, LPARAM lParam) = 0;
    // The message's result is 0. `shrunk`: the window is rolled up now.
    virtual ShrinkRequest ButtonUp(ThemeView& view, HWND window, WPARAM hitCode, LPARAM lParam, bool shrunk) = 0;
    virtual CommandAnswer SystemCommand(ThemeView& view, HWND window, WPARAM command, LPARAM lParam, bool shrunk) = 0;
    virtual void ReleasePressed(ThemeView& view, HWND window) = 0;
    // The pointer has gone to a window of another process ("Veltrane Stand Down"): the hover and
    // the pressed look go from `hoverWindow` (null: none known) and the hovered element is
    // forgotten.
    virtual void StandDown(ThemeView& view, HWND hoverWindow) = 0;
};

}  // namespace vt
