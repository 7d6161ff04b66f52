#include "frame/ScrollBarPlacement.h"

#include "theme/model/ElementCode.h"

namespace vt {
namespace {

bool Contains(const Rect& r, std::int32_t x, std::int32_t y) {
    return r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom;
}

}  // namespace

ScrollBarPlacement PlaceScrollBars(const Rect& area, std::uint32_t style, std::uint32_t exStyle,
                                   const ScrollBarSizes& sizes) {
    ScrollBarPlacement bars;
    Rect client = area;
    const bool left = (exStyle & kExStyleLeftScrollBar) != 0;
    const bool vertical = (style & kStyleVScroll) != 0 && client.Width() >= sizes.verticalWidth;
    const bool horizontal = (style & kStyleHScroll) != 0 && client.Height() > sizes.horizontalHeight;
    if (vertical) {
        if (left) client.Left += sizes.verticalWidth;
        else client.Right -= sizes.verticalWidth;
    }
    if (horizontal) client.Bottom -= sizes.horizontalHeight;
    bars.client = client;
    const std::int32_t barLeft = left ? client.Left - sizes.verticalWidth : client.Right;
    if (vertical) bars.vertical = Rect{barLeft, client.Top, barLeft + sizes.verticalWidth, client.Bottom};
    if (horizontal) bars.horizontal = Rect{client.Left, client.Bottom, client.Right, client.Bottom + sizes.horizontalHeight};
    if (vertical && horizontal)
        bars.grip = Rect{barLeft, client.Bottom, barLeft + sizes.verticalWidth, client.Bottom + sizes.horizontalHeight};
    return bars;
}

std::int32_t ScrollBarHit(const ScrollBarPlacement& bars, std::int32_t x, std::int32_t y, std::int32_t gripCode) {
    if (Contains(bars.vertical, x, y)) return kCodeVScroll;
    if (Contains(bars.horizontal, x, y)) return kCodeHScroll;
    if (Contains(bars.grip, x, y)) return gripCode;
    return kCodeNowhere;
}

}  // namespace vt
