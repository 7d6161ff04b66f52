#include "theme/controls/win32/TvtButtonWin32.h"

#include <atomic>

#include "theme/win32/ThemeLock.h"

#include "common/EntryFault.h"
#include "graphics/Font.h"
#include "graphics/win32/BitmapDrawing.h"
#include "graphics/win32/GdiGuards.h"

namespace vt {
namespace {

// Read by the button procedure on every GUI thread of the process, changed by the start and the
// end on any of them.
std::atomic<TvtButtonWin32*> installedButton{nullptr};
// The system class's procedure, kept once known: a message that arrives while the button is
// being uninstalled still reaches the system's drawing, never DefWindowProc.
std::atomic<WNDPROC> systemProcedure{nullptr};

// BeginPaint needs its PAINTSTRUCT back at EndPaint.
class PaintGuard {
public:
    explicit PaintGuard(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintGuard() { EndPaint(window_, &paint_); }
    PaintGuard(const PaintGuard&) = delete;
    PaintGuard& operator=(const PaintGuard&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

HFONT CreateLayerFont(const Font& font) {
    return CreateFontA(font.Height(), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, font.face.c_str());
}

void DrawButton(HWND window, HDC dc, const Bitmap& bitmap) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    RECT rect;
    GetWindowRect(window, &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    StretchBitmap(dc, bitmap, rect);
    const Font font;  // the drawing layer's default font
    UniqueGdiObject hfont(CreateLayerFont(font));
    SelectGuard selected(dc, hfont.get());
    int previousMode = SetBkMode(dc, TRANSPARENT);
    COLORREF previousColour = SetTextColor(dc, font.colour);
    DrawTextA(dc, text, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);
}

LRESULT PassOn(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return procedure ? CallWindowProcA(procedure, window, message, wParam, lParam)
                     : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

TvtButtonWin32::TvtButtonWin32(ControlList& list, const ThemeState& theme) : TvtButton(list), theme_(theme) {}

TvtButtonWin32::~TvtButtonWin32() { Uninstall(); }

void TvtButtonWin32::Install() {
    installedButton.store(this);
    takeover_.Take(ControlName(), ButtonWindowProc);
    if (WNDPROC saved = takeover_.SavedProcedure()) systemProcedure.store(saved);
}

void TvtButtonWin32::Uninstall() {
    TvtButtonWin32* self = this;
    installedButton.compare_exchange_strong(self, nullptr);
    takeover_.GiveBack();
}

TvtButtonWin32* TvtButtonWin32::Installed() { return installedButton.load(); }

void PaintThemedButton(HWND window, HDC dc, const Bitmap& bitmap) {
    if (dc) {
        DrawButton(window, dc, bitmap);
        return;
    }
    PaintGuard paint(window);
    if (paint.Get()) DrawButton(window, paint.Get(), bitmap);
}

LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TvtButtonWin32* button = installedButton.load();
    WNDPROC saved = button ? button->SavedProcedure() : systemProcedure.load();
    // Nothing may escape into the host program's message loop: a failure in our drawing falls
    // back to the system's own.
    try {
        // Most themes draw no buttons: their paints go on without the theme lock. The look
        // outside it only decides whether to take it; the bitmaps are the theme's, which another
        // thread may be switching, and are read again under the lock.
        if (button && message == WM_PAINT && button->Theme().Button.Normal()) {
            EnterWork("ButtonWindowProc");
            ThemeGuard guard;
            bool enabled = IsWindowEnabled(window) != FALSE;
            if (Bitmap* bitmap = button->Theme().Button.BitmapFor(enabled, GetFocus() == window)) {
                PaintThemedButton(window, reinterpret_cast<HDC>(wParam), *bitmap);
                return 0;
            }
        }
    } catch (...) {
    }
    return PassOn(saved, window, message, wParam, lParam);
}

}  // namespace vt
