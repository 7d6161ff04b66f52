#pragma once
// What the hook's dispatch asks of the frame engine: the process's theme (load, switch, its
// information) and the handling of a themed window's non-client messages. The dispatch owns the
// window's record: it passes the record's bits the engine needs (active, shrunk) as arguments
// and applies what comes back. The engine never reaches into the hook.
//
// This base class is the engine with no theme: ThemeLoaded() is false, so the dispatch calls
// none of the message operations and every message passes through. The module's engine derives
// from it (CreateFrameEngine); tests derive fakes.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/win32/UniqueHandle.h"
#include "frame/FrameHit.h"
#include "frame/win32/FrameMenus.h"

namespace vt {

class SharedArea;

// The hit-test code of the menu bar strip inside a themed frame.
constexpr WPARAM kMenuBarHitCode = WPARAM(kCodeMenuBar);

// The theme's size fix-ups: what the frame adds to a client size to give the window size.
struct SizeFixups {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t menu = 0;  // added to the height of a window whose menu has items
};

// How far the frame reaches outside the client area of a window of a given size, except at the
// top, which counts to the caption: a maximised window hides these borders outside the work area
// and shows its whole caption.
struct FrameBorders {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

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

class FrameEngine : public MenuFrame {
public:
    virtual ~FrameEngine() = default;

    // The theme of the process. Start: the theme information, the first load, the repaint
    // message. End: everything released. SwitchTheme: unload, then load from the configuration
    // again (on "Veltrane Theme Changed").
    virtual void Start() {}
    virtual void End() {}
    virtual void SwitchTheme() {}
    // The process's theme came from themes.cfg: it ignores theme changes.
    virtual bool ThemePinned() const { return false; }
    // The lines of the theme's [INFO] section.
    virtual std::vector<std::string> ThemeInfo() const { return {}; }
    // "Veltrane Repaint Message" (0 until the start has registered it).
    virtual UINT RepaintMessage() const { return 0; }

    virtual bool ThemeLoaded() const { return false; }
    virtual SizeFixups Fixups() const { return {}; }
    virtual bool WindowZoom() const { return false; }

    // The window's new shape (null: none). `shrunk`: the window is rolled up to the theme's
    // shrink rectangle.
    virtual UniqueGdiObject BuildRegion(HWND window, LONG_PTR style, bool shrunk) {
        (void)window; (void)style; (void)shrunk;
        return UniqueGdiObject();
    }
    virtual FrameBorders Borders(HWND window, std::int32_t width, std::int32_t height) {
        (void)window; (void)width; (void)height;
        return {};
    }
    virtual void PaintFrame(HWND window, bool active) { (void)window; (void)active; }
    // Redraws the elements of these indexes (one outside the element list, such as -1, is skipped).
    virtual void RepaintElements(HWND window, std::intptr_t first, std::intptr_t second, bool active) {
        (void)window; (void)first; (void)second; (void)active;
    }
    virtual void RunIdleScripts(HWND window, bool active) { (void)window; (void)active; }
    virtual LRESULT HitTest(HWND window, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    }
    virtual LRESULT CalcClientArea(HWND window, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window, WM_NCCALCSIZE, wParam, lParam);
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

    // The menu bar item at a screen point (x low word, y high word), as `mode` asks.
    virtual void TrackMenu(HWND window, LPARAM screenPoint, MenuTracking mode) {
        (void)window; (void)screenPoint; (void)mode;
    }
    virtual void StartMenuHook() {}
    virtual void StopMenuHook() {}
    // The popup about to open (WM_INITMENUPOPUP's menu and item position).
    virtual void SetPopupMenu(HMENU menu, int item) { (void)menu; (void)item; }

    virtual void ZoomRect(const RECT& from, const RECT& to, int steps) { (void)from; (void)to; (void)steps; }

    LRESULT HitTestAt(HWND window, LPARAM screenPoint) override { return HitTest(window, 0, screenPoint); }
    Rect MenuBarStrip(HWND window) override {
        (void)window;
        return {};
    }
    void WithFrameSurface(HWND window, const std::function<void(GdiSurface&)>& use) override {
        (void)window; (void)use;
    }
};

// The module's engine, keeping the hover window in `sharedArea` and leaving the menu bar to
// `menus` (both outlive it; the menus may be null: the strip is then the elements').
std::unique_ptr<FrameEngine> CreateFrameEngine(SharedArea& sharedArea, FrameMenus* menus);

}  // namespace vt
