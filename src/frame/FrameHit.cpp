#include "frame/FrameHit.h"

#include "frame/ElementGeometry.h"

namespace vt {
namespace {

bool Holds(const Rect& r, std::int32_t x, std::int32_t y) {
    return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom;
}

}  // namespace

FrameHit HitTestElements(FrameLayout& layout, std::int32_t x, std::int32_t y, bool hasMenuBar) {
    FrameHit hit;
    ThemeState& theme = layout.Theme();
    ElementList* elements = layout.WalkAll();
    if (!elements) return hit;
    const std::uint32_t style = layout.Window().style;
    Rect client;
    bool clientHit = false;
    for (std::size_t i = 0; i < elements->Count(); ++i) {
        TUIElement& element = elements->At(std::ptrdiff_t(i));
        if (!ElementApplies(element, style)) continue;
        const Rect& r = element.Rect;
        if (!Holds(r, x, y)) continue;
        if (!element.Inverted || hit.code == kCodeNowhere) {
            hit.code = element.HitCode;
            hit.element = &element;
            hit.index = std::ptrdiff_t(i);
        }
        if (element.HitCode == kCodeClient) {
            client = r;
            clientHit = true;
        }
    }
    if (hasMenuBar && (style & kStyleChild) == 0 && clientHit) {
        const Rect& c = client;
        if (c.Left <= x && x <= c.Right && c.Top <= y && y <= c.Top + MenuBarHeight(theme, layout.Window().dpi))
            hit.code = kCodeMenuBar;
    }
    if (hit.code == kCodeTitle) hit.code = kCodeCaption;
    if (hit.code == kCodeIcon) hit.code = kCodeSysMenu;
    return hit;
}

FrameHit HitTestElements(ThemeState& theme, std::uint32_t style, std::int32_t width, std::int32_t height,
                         std::int32_t x, std::int32_t y, bool hasMenuBar, std::int32_t dpi) {
    FrameLayout layout(theme, LayoutWindow{0, width, height, style, dpi, true});
    return HitTestElements(layout, x, y, hasMenuBar);
}

}  // namespace vt
