#include "frame/FrameHit.h"

#include "frame/ElementGeometry.h"

namespace vt {
namespace {

bool Holds(const Rect& r, std::int32_t x, std::int32_t y) {
    return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom;
}

}  // namespace

FrameHit HitTestElements(ThemeState& theme, std::uint32_t style, std::int32_t width, std::int32_t height,
                         std::int32_t x, std::int32_t y, bool hasMenuBar, std::int32_t dpi) {
    FrameHit hit;
    if (!theme.Elements) return hit;
    const TUIElement* client = nullptr;
    for (std::size_t i = 0; i < theme.Elements->Count(); ++i) {
        TUIElement& element = theme.Elements->At(std::ptrdiff_t(i));
        if (!ElementApplies(element, style)) continue;
        ComputeElementRect(theme, element, width, height, dpi);
        if (!Holds(element.Rect, x, y)) continue;
        if (!element.Inverted || hit.code == kCodeNowhere) {
            hit.code = element.HitCode;
            hit.element = &element;
            hit.index = std::ptrdiff_t(i);
        }
        if (element.HitCode == kCodeClient) client = &element;
    }
    if (hasMenuBar && (style & kStyleChild) == 0 && client) {
        const Rect& c = client->Rect;
        if (c.Left <= x && x <= c.Right && c.Top <= y && y <= c.Top + MenuBarHeight(theme, dpi)) hit.code = kCodeMenuBar;
    }
    if (hit.code == kCodeTitle) hit.code = kCodeCaption;
    if (hit.code == kCodeIcon) hit.code = kCodeSysMenu;
    return hit;
}

}  // namespace vt
