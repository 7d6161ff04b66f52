#include "frame/CaptionLook.h"

namespace vt {

void SetCaptionLook(DrawingSurface& surface, const ThemeState& theme, bool active) {
    if (theme.SolidCaption) {
        surface.SetBrushKind(BrushStyle::Solid);
        surface.SetBrushColour(active ? theme.TitleColor : theme.InactiveColor);
    } else {
        surface.SetBrushKind(BrushStyle::Clear);
    }
    surface.SetFont(active ? theme.TitleFont : theme.InactiveFont);
}

}  // namespace vt
