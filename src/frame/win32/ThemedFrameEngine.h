#pragma once
// The module's frame engine: the process's one theme, chosen by themes.cfg or the registry,
// loaded and switched live, and the non-client handling of themed windows drawn from it.
#include <windows.h>

#include <string>
#include <vector>

#include "common/win32/SharedArea.h"
#include "frame/win32/FrameEngine.h"
#include "frame/win32/FramePainter.h"
#include "frame/win32/MenuBarPainter.h"
#include "graphics/win32/GdiResources.h"
#include "theme/ThemeState.h"

namespace vt {

class ThemedFrameEngine final : public FrameEngine {
public:
    ThemedFrameEngine(SharedArea& sharedArea, ThemeState& theme, MenuBarPainter* menuBar);
    ~ThemedFrameEngine() override;

    void Start() override;
    void End() override;
    void SwitchTheme() override;
    bool ThemePinned() const override { return pinned_; }
    std::vector<std::string> ThemeInfo() const override { return theme_.ThemeInfo; }
    UINT RepaintMessage() const override { return repaintMessage_; }

    bool ThemeLoaded() const override { return theme_.ThemeLoaded; }
    SizeFixups Fixups() const override { return {theme_.WidthFixup, theme_.HeightFixup, theme_.MenuFixup}; }
    bool WindowZoom() const override { return theme_.WindowZoom; }

    UniqueGdiObject BuildRegion(HWND window, LONG_PTR style, bool shrunk) override;
    void PaintFrame(HWND window, bool active) override;
    void RepaintElements(HWND window, std::intptr_t first, std::intptr_t second, bool active) override;
    void RunIdleScripts(HWND window, bool active) override;
    LRESULT CalcClientArea(HWND window, WPARAM wParam, LPARAM lParam) override;

    // The theme file in use (empty when none was configured).
    const std::string& ThemePath() const { return themePath_; }

private:
    void LoadTheme();
    void UnloadTheme();
    FramePaintTools Tools() { return FramePaintTools{theme_, resources_, menuBar_, sharedArea_.HoverWindow()}; }

    SharedArea& sharedArea_;
    ThemeState& theme_;
    GdiResources resources_;  // the GDI forms of this theme's bitmaps and fonts
    MenuBarPainter* menuBar_;  // not owned; null: the strip is left to the elements
    UINT repaintMessage_ = 0;
    bool pinned_ = false;
    bool calcScripts_ = false;  // the theme has OnCalcRect words (worked out once per load)
    std::string themePath_;
};

}  // namespace vt
