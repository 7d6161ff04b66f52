#include "frame/ElementGeometry.h"

#include "frame/FrameLayout.h"
#include "script/drawing/DrawingContext.h"

namespace vt {
namespace {

// A corner coordinate counted from the far edge when its anchor bit says so. Wrapping 32-bit
// arithmetic: an absurd theme value gives an absurd rectangle, never undefined behaviour.
std::int32_t Place(std::int32_t value, bool fromFarEdge, std::int32_t extent) {
    return fromFarEdge ? std::int32_t(std::uint32_t(value) + std::uint32_t(extent)) : value;
}

}  // namespace

Rect AnchoredRect(const TUIElement& e, std::int32_t width, std::int32_t height, std::int32_t dpi) {
    return Rect{Place(ScaleLength(e.Corner1.x, dpi), (e.Anchor1 & kAnchorRight) != 0, width),
                Place(ScaleLength(e.Corner1.y, dpi), (e.Anchor1 & kAnchorBottom) != 0, height),
                Place(ScaleLength(e.Corner2.x, dpi), (e.Anchor2 & kAnchorRight) != 0, width),
                Place(ScaleLength(e.Corner2.y, dpi), (e.Anchor2 & kAnchorBottom) != 0, height)};
}

void ComputeElementRect(ThemeState& theme, TUIElement& element, std::int32_t width, std::int32_t height,
                        std::int32_t dpi) {
    element.Rect = AnchoredRect(element, width, height, dpi);
    if (!element.OnCalcRect) return;
    DrawingContext& context = theme.Drawing;
    context.CurrentRect = element.Rect;
    theme.Scripts->ExecuteWord(element.OnCalcRect);
    element.Rect = context.CurrentRect;
    theme.Scripts->ClearStacks();
}

std::int32_t MenuBarHeight(const ThemeState& theme, std::int32_t dpi) {
    // The font is made at the window's DPI, so its pixel height is the one at that DPI.
    const std::int32_t fontHeight = theme.MenuFont.Height(dpi);
    return (fontHeight < 0 ? -fontHeight : fontHeight) + ScaleLength(4, dpi);
}

Rect ComputeClientRect(ThemeState& theme, std::uint32_t style, std::int32_t width, std::int32_t height,
                       bool hasMenuBar, std::int32_t dpi) {
    FrameLayout layout(theme, LayoutWindow{0, width, height, style, dpi, true});
    return layout.ClientRect(hasMenuBar);
}

Rect ComputeMenuBarRect(ThemeState& theme, std::uint32_t style, std::int32_t width, std::int32_t height,
                        std::int32_t dpi) {
    FrameLayout layout(theme, LayoutWindow{0, width, height, style, dpi, true});
    return layout.MenuBarRect();
}

}  // namespace vt
