#pragma once
// Which part of a themed frame lies under a point: the elements walked in list order, the menu
// bar strip at the top of the client element, and the element codes Windows knows by other
// values. In window coordinates, like the element rectangles.
#include <cstddef>
#include <cstdint>

#include "common/Dpi.h"
#include "frame/FrameLayout.h"
#include "theme/ThemeState.h"
#include "theme/model/ElementCode.h"
#include "theme/model/TUIElement.h"

namespace vt {

struct FrameHit {
    std::int32_t code = kCodeNowhere;  // the value for WM_NCHITTEST (TITLE and ICON mapped)
    TUIElement* element = nullptr;    // the element that gave the code (none: nowhere)
    std::ptrdiff_t index = -1;        // its position in the element list
};

// The element under (x, y) on the layout's window: the last applying element whose rectangle
// holds the point (every edge inclusive) wins, except that an inverted element only fills an
// empty result. `hasMenuBar`: the window shows a menu bar, whose strip at the top of the client
// element then answers kCodeMenuBar. OnCalcRect words run with the drawing context the caller
// has set.
FrameHit HitTestElements(FrameLayout& layout, std::int32_t x, std::int32_t y, bool hasMenuBar);

// The same on a layout of its own for a width x height window with this style, framed at `dpi`
// (a tool, a test).
FrameHit HitTestElements(ThemeState& theme, std::uint32_t style, std::int32_t width, std::int32_t height,
                         std::int32_t x, std::int32_t y, bool hasMenuBar, std::int32_t dpi = kBaseDpi);

}  // namespace vt
