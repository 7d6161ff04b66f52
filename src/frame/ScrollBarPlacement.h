#pragma once
// Where a window's own scroll bars lie in a themed frame: inside the client element's rectangle,
// taken from its right (or left) and bottom edges as wide as the system makes them, with the
// size grip where both meet; the program's client area is what remains. The system computes its
// scroll bars from the client area alone, so these are the places it draws and tracks them at.
#include <cstdint>

#include "common/Rect.h"

namespace vt {

constexpr std::uint32_t kStyleVScroll = 0x00200000;          // WS_VSCROLL
constexpr std::uint32_t kStyleHScroll = 0x00100000;          // WS_HSCROLL
constexpr std::uint32_t kExStyleLeftScrollBar = 0x00004000;  // WS_EX_LEFTSCROLLBAR

// The system's scroll bar sizes at the window's scale.
struct ScrollBarSizes {
    std::int32_t verticalWidth = 0;     // SM_CXVSCROLL
    std::int32_t horizontalHeight = 0;  // SM_CYHSCROLL
};

// Each rectangle is empty when the window has no such part.
struct ScrollBarPlacement {
    Rect client;      // what the program draws in
    Rect vertical;
    Rect horizontal;
    Rect grip;        // where the two bars meet
    bool Any() const { return !vertical.IsEmpty() || !horizontal.IsEmpty(); }
};

// The bars of a window with this style and extended style in `area` (the client element's
// rectangle below any menu bar). As the system's own frame does, a bar is left out when the area
// is too small to hold it.
ScrollBarPlacement PlaceScrollBars(const Rect& area, std::uint32_t style, std::uint32_t exStyle,
                                   const ScrollBarSizes& sizes);

// The hit-test value of the point (window coordinates) on the bars: HTVSCROLL, HTHSCROLL, the
// grip's `gripCode`, or kCodeNowhere off them.
std::int32_t ScrollBarHit(const ScrollBarPlacement& bars, std::int32_t x, std::int32_t y, std::int32_t gripCode);

}  // namespace vt
