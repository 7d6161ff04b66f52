#pragma once
// The engine with no theme: ThemeLoaded() is false, so the window procedure calls none of the
// message operations and every message passes through; everything else answers "nothing". The
// module holds one until its start makes the real engine; tests derive their fakes from it.
#include <windows.h>

#include "frame/win32/FrameEngine.h"

namespace vt {

class NullFrameEngine : public FrameEngine {
public:
    void Start() override {}
    void End() override {}
    void SwitchTheme() override {}
    bool ThemePinned() const override { return false; }
    std::vector<std::string> ThemeInfo() const override { return {}; }

    bool ThemeLoaded() const override { return false; }
    SizeFixups Fixups(ThemeView&) const override { return {}; }
    bool WindowZoom(ThemeView&) const override { return false; }
    UINT RepaintMessage() const override { return 0; }

    UniqueGdiObject BuildRegion(ThemeView&, HWND, LONG_PTR, bool) override { return UniqueGdiObject(); }
    FrameBorders Borders(ThemeView&, HWND, std::int32_t, std::int32_t) override { return {}; }
    LRESULT CalcClientArea(ThemeView&, HWND window, WPARAM wParam, LPARAM lParam) override {
        return DefWindowProcA(window, WM_NCCALCSIZE, wParam, lParam);
    }
    SIZE FrameInset(ThemeView&, HWND, std::int32_t, std::int32_t, std::int32_t) override { return SIZE{0, 0}; }
    void PaintFrame(ThemeView&, HWND, bool) override {}
    void PaintFrameOnto(ThemeView&, HWND, HDC, bool) override {}
    void RepaintElements(ThemeView&, HWND, std::intptr_t, std::intptr_t, bool) override {}
    void RunIdleScripts(ThemeView&, HWND, bool) override {}
    void SystemColoursChanged(ThemeView&) override {}
    void ZoomRect(ThemeView&, const RECT&, const RECT&, int) override {}

    LRESULT HitTest(ThemeView&, HWND window, WPARAM wParam, LPARAM lParam) override {
        return DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    }
    bool SetFrameCursor(HWND, WPARAM, WORD) override { return false; }
    MessageAnswer ButtonDown(ThemeView&, HWND, WPARAM, LPARAM) override { return {}; }
    ShrinkRequest ButtonUp(ThemeView&, HWND, WPARAM, LPARAM, bool) override { return ShrinkRequest::Keep; }
    CommandAnswer SystemCommand(ThemeView&, HWND, WPARAM, LPARAM, bool) override { return {}; }
    void ReleasePressed(ThemeView&, HWND) override {}
    void StandDown(ThemeView&, HWND) override {}

    FrameMenus* Menus() override { return nullptr; }
    LRESULT HitTestAt(HWND window, LPARAM screenPoint) override {
        ThemeView view;
        return HitTest(view, window, 0, screenPoint);
    }
    Rect MenuBarStrip(HWND) override { return {}; }
    void WithFrameSurface(HWND, const std::function<void(GdiSurface&)>&) override {}
};

}  // namespace vt
