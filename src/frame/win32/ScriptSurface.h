#pragma once
// The drawing surface that element scripts get outside painting (region building, the client
// area): a surface on a fresh device context of the window, made only when the theme has an
// OnCalcRect word that could use it (HasCalcRectWords, asked once per theme load), and taken out
// of the drawing context again on every way out.
#include <windows.h>

#include <optional>

#include "graphics/win32/GdiGuards.h"
#include "graphics/win32/GdiResources.h"
#include "graphics/win32/GdiSurface.h"
#include "theme/ThemeState.h"

namespace vt {

class ScriptSurface {
public:
    // `context`: the theme's drawing context. `wanted`: the theme has OnCalcRect words; without,
    // only the context's window, style and scale are set (`dpi`: the frame's scale for the window).
    ScriptSurface(DrawingContext& context, bool wanted, GdiResources& resources, HWND window, std::uint32_t style,
                  std::int32_t dpi);
    ~ScriptSurface();
    ScriptSurface(const ScriptSurface&) = delete;
    ScriptSurface& operator=(const ScriptSurface&) = delete;

    // Makes the surface now when it was not wanted at first (a word about to run may draw).
    void Acquire();
    // Gives the surface and its device context back early (before a repaint makes its own).
    void Release();

private:
    DrawingContext& context_;
    GdiResources& resources_;
    HWND window_;
    std::optional<WindowDc> dc_;
    std::optional<GdiSurface> surface_;
    std::int32_t dpi_;
};

// Whether any element (or the shrink element) has an OnCalcRect word.
bool HasCalcRectWords(const ThemeState& theme);

}  // namespace vt
