#pragma once
// The caption's brush and font on a drawing surface: what its text and its words draw with, and
// what later scripts find there (a theme may measure text in the caption font that way).
#include "graphics/DrawingSurface.h"
#include "theme/ThemeState.h"

namespace vt {

void SetCaptionLook(DrawingSurface& surface, const ThemeState& theme, bool active);

// Keeps a surface's pen, brush and font for one scope and puts them back when it ends.
class SurfaceLookKept {
public:
    explicit SurfaceLookKept(DrawingSurface& surface)
        : surface_(surface), pen_(surface.PenColour()), brush_(surface.BrushColour()),
          brushKind_(surface.BrushKind()), font_(surface.CurrentFont()) {}
    ~SurfaceLookKept() {
        surface_.SetPenColour(pen_);
        surface_.SetBrushColour(brush_);
        surface_.SetBrushKind(brushKind_);
        surface_.SetFont(font_);
    }
    SurfaceLookKept(const SurfaceLookKept&) = delete;
    SurfaceLookKept& operator=(const SurfaceLookKept&) = delete;

private:
    DrawingSurface& surface_;
    Colour pen_;
    Colour brush_;
    BrushStyle brushKind_;
    Font font_;
};

}  // namespace vt
