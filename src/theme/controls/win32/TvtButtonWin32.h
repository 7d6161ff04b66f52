#pragma once
// The themed push button on Win32: takes over the class "BUTTON" and draws every window of that
// class (push buttons, check boxes, radio buttons, group boxes alike) as its state's bitmap
// stretched over the window, with the caption centred on it. Without a NORMAL bitmap in the
// theme, every message goes to the system's procedure unchanged.
// One per process, made by the module's start and destroyed (so uninstalled) by a real unload; a
// process that exits keeps it, as its class must not be given back while user32 goes away.
#include <windows.h>

#include "theme/ThemeState.h"
#include "theme/controls/TvtButton.h"
#include "theme/controls/win32/ClassTakeover.h"

namespace vt {

class TvtButtonWin32 : public TvtButton {
public:
    // Drawn from `theme`'s button bitmaps, read under the theme lock.
    TvtButtonWin32(ControlList& list, const ThemeState& theme);
    ~TvtButtonWin32() override;

    void Install() override;
    void Uninstall() override;

    // The button the window procedure draws with: the last one installed (one per process).
    static TvtButtonWin32* Installed();
    WNDPROC SavedProcedure() const { return takeover_.SavedProcedure(); }
    const ThemeState& Theme() const { return theme_; }

private:
    const ThemeState& theme_;
    ClassTakeover takeover_;
};

// The window procedure of the taken-over class. Public so that a test program can hand it
// messages directly.
LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws a button window with the bitmap: into `dc` when it is not null, else between
// BeginPaint and EndPaint.
void PaintThemedButton(HWND window, HDC dc, const Bitmap& bitmap);

}  // namespace vt
