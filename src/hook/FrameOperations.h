#pragma once
// What the frame window procedure asks of the frame engine and the menu bar. The procedure owns
// the dispatch (which message goes where, what reaches the window's own procedure); the engine
// supplies the operations by deriving from this class and installing itself with
// SetFrameOperations. This base class is the engine with no theme: ThemeLoaded() is false, so
// the dispatch never calls the rest, and every message passes through.
#include <windows.h>

#include <cstdint>

namespace vt {

struct SubclassNode;

// The hit-test code of the menu bar strip inside a themed frame.
constexpr WPARAM kMenuBarHitCode = 271;

// The theme's size fix-ups: what the frame adds to a client size to give the window size.
struct SizeFixups {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t menu = 0;  // added to the height of a window whose menu has items
};

class FrameOperations {
public:
    virtual ~FrameOperations() = default;

    virtual bool ThemeLoaded() const { return false; }
    virtual SizeFixups Fixups() const { return {}; }
    virtual bool WindowZoom() const { return false; }

    // A new region for the window (ownership passes to the caller), or null for none.
    virtual HRGN BuildRegion(HWND window, LONG_PTR style) { (void)window; (void)style; return nullptr; }
    virtual LRESULT PaintFrame(HWND window, bool active) { (void)window; (void)active; return 0; }
    // wParam, lParam: element indexes, or -1.
    virtual LRESULT RepaintElements(HWND window, WPARAM first, LPARAM second, bool active) {
        (void)window; (void)first; (void)second; (void)active;
        return 0;
    }
    virtual void RunIdleScripts(HWND window, SubclassNode& record) { (void)window; (void)record; }
    virtual LRESULT HitTest(HWND window, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    }
    virtual LRESULT CalcClientArea(HWND window, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window, WM_NCCALCSIZE, wParam, lParam);
    }
    // Non-zero when it set a cursor.
    virtual bool SetFrameCursor(HWND window, WPARAM wParam, WORD hitCode) {
        (void)window; (void)wParam; (void)hitCode;
        return false;
    }
    // 1: let the window's own procedure have the message; anything else is the result.
    virtual LRESULT ButtonDown(HWND window, WPARAM hitCode, LPARAM lParam) {
        (void)window; (void)hitCode; (void)lParam;
        return 1;
    }
    virtual LRESULT ButtonUp(HWND window, WPARAM wParam, LPARAM lParam) {
        (void)window; (void)wParam; (void)lParam;
        return 0;
    }
    // 0: handled; non-zero: let the window's own procedure have it.
    virtual LRESULT SystemCommand(HWND window, WPARAM command, LPARAM lParam) {
        (void)window; (void)command; (void)lParam;
        return 1;
    }
    virtual void ReleasePressed(HWND window) { (void)window; }
    virtual void ReleaseHover(HWND window, int pressed, bool releaseAll) {
        (void)window; (void)pressed; (void)releaseAll;
    }
    // Forgets the hovered element when there is one whose Hover is set; true when it did.
    virtual bool ForgetHoveredElement() { return false; }

    virtual void TrackMenu(HWND window, LPARAM screenPoint, int mode) { (void)window; (void)screenPoint; (void)mode; }
    virtual void StartMenuHook() {}
    virtual void StopMenuHook() {}
    // The popup about to open (WM_INITMENUPOPUP's menu and item position).
    virtual void SetPopupMenu(HMENU menu, int item) { (void)menu; (void)item; }

    virtual void ZoomRect(const RECT& from, const RECT& to, int steps) { (void)from; (void)to; (void)steps; }
};

// The operations in force (the theme-less base until the engine installs itself).
FrameOperations& CurrentFrameOperations();
// Installs `operations` (not owned; null restores the theme-less base) and returns the previous.
FrameOperations* SetFrameOperations(FrameOperations* operations);

}  // namespace vt
