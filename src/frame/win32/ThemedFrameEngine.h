#pragma once
// The module's frame engine: the process's one theme, chosen by themes.cfg or the registry,
// loaded and switched live, and the non-client handling of themed windows drawn from it.
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "common/win32/SharedArea.h"
#include "frame/win32/FrameDrawingHost.h"
#include "frame/win32/FrameEngine.h"
#include "frame/win32/FramePainter.h"
#include "frame/win32/FrameMenus.h"
#include "frame/win32/NonClientInput.h"
#include "graphics/win32/GdiResources.h"
#include "theme/ThemeState.h"

namespace vt {

class ThemedFrameEngine final : public FrameEngine {
public:
    ThemedFrameEngine(SharedArea& sharedArea, ThemeState& theme, FrameMenus* menus);
    ~ThemedFrameEngine() override;

    void Start() override;
    void End() override;
    void SwitchTheme() override;
    bool ThemePinned() const override;
    std::vector<std::string> ThemeInfo() const override;
    UINT RepaintMessage() const override { return settings_.repaintMessage; }

    // Asked on every message of every skinned window, so it never waits: a copy of the theme's
    // flag, written under the theme lock by the loads and unloads.
    bool ThemeLoaded() const override { return loaded_.load(std::memory_order_acquire); }
    SizeFixups Fixups(ThemeView& view) const override;
    bool WindowZoom(ThemeView& view) const override;

    UniqueGdiObject BuildRegion(ThemeView& view, HWND window, LONG_PTR style, bool shrunk) override;
    FrameBorders Borders(ThemeView& view, HWND window, std::int32_t width, std::int32_t height) override;
    SIZE FrameInset(ThemeView& view, HWND window, std::int32_t width, std::int32_t height, std::int32_t dpi) override;
    void PaintFrame(ThemeView& view, HWND window, bool active) override;
    void PaintFrameOnto(ThemeView& view, HWND window, HDC dc, bool active) override;
    void RepaintElements(ThemeView& view, HWND window, std::intptr_t first, std::intptr_t second, bool active) override;
    void RunIdleScripts(ThemeView& view, HWND window, bool active) override;
    void SystemColoursChanged(ThemeView& view) override;
    LRESULT CalcClientArea(ThemeView& view, HWND window, WPARAM wParam, LPARAM lParam) override;

    LRESULT HitTest(ThemeView& view, HWND window, WPARAM wParam, LPARAM lParam) override;
    bool SetFrameCursor(HWND window, WPARAM wParam, WORD hitCode) override;
    MessageAnswer ButtonDown(ThemeView& view, HWND window, WPARAM hitCode, LPARAM lParam) override;
    ShrinkRequest ButtonUp(ThemeView& view, HWND window, WPARAM hitCode, LPARAM lParam, bool shrunk) override;
    CommandAnswer SystemCommand(ThemeView& view, HWND window, WPARAM command, LPARAM lParam, bool shrunk) override;
    void ReleasePressed(ThemeView& view, HWND window) override;
    void StandDown(ThemeView& view, HWND hoverWindow) override;

    void ZoomRect(ThemeView& view, const RECT& from, const RECT& to, int steps) override;

    FrameMenus* Menus() override { return menus_; }
    LRESULT HitTestAt(HWND window, LPARAM screenPoint) override;
    Rect MenuBarStrip(HWND window) override;
    void WithFrameSurface(HWND window, const std::function<void(GdiSurface&)>& use) override;

    // The pointer's state over the frames of this process.
    const FrameInput& Input() const { return input_.State(); }

    // The theme file in use (empty when none was configured).
    const std::string& ThemePath() const { return themePath_; }

private:
    void PrepareScaledImages();
    void LoadTheme();
    void UnloadTheme();
    FramePaintTools Tools(ThemeView& view) {
        return FramePaintTools{theme_, resources_, menus_, sharedArea_.HoverWindow(), 0, &view, input_.PressedWindow()};
    }

    SharedArea& sharedArea_;
    ThemeState& theme_;
    FrameDrawingHost host_;   // the theme's drawing context points at it while the engine runs
    GdiResources resources_;  // the GDI forms of this theme's bitmaps and fonts
    FrameMenus* menus_;  // not owned; null: the strip is left to the elements
    InputSettings settings_;  // the repaint message; whether the theme has OnCalcRect words
    NonClientInput input_;
    bool pinned_ = false;
    std::atomic<bool> loaded_{false};
    std::string themePath_;
};

}  // namespace vt
