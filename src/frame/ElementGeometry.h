#pragma once
// Where a theme's elements lie on a window of a given size: the anchor arithmetic, the element's
// OnCalcRect script, and the client rectangle the frame leaves free. All in window coordinates:
// (0, 0) is the top-left corner of the window rectangle.
#include <cstdint>

#include "common/Dpi.h"
#include "common/Rect.h"
#include "theme/ThemeState.h"
#include "theme/model/ElementCode.h"
#include "theme/model/TUIElement.h"
#include "theme/model/WindowStyleBits.h"

namespace vt {


// The rectangle the element's corners give on a W x H window at `dpi` (the offsets scaled from
// 96 dpi; no script runs).
Rect AnchoredRect(const TUIElement& element, std::int32_t width, std::int32_t height, std::int32_t dpi = kBaseDpi);

// Stores the anchored rectangle in the element's Rect; an element with an OnCalcRect word then
// gets the rectangle that word leaves in the theme's drawing context's CurrentRect, and both
// script stacks are emptied. A failing word's error goes to the caller. The elements of a list
// are computed by their window's FrameLayout, which readers take them from; this alone is for an
// element outside the list (the shrink rectangle).
void ComputeElementRect(ThemeState& theme, TUIElement& element, std::int32_t width, std::int32_t height,
                        std::int32_t dpi = kBaseDpi);

// The height of the menu bar strip below the caption: the menu font's height and a margin, at `dpi`.
std::int32_t MenuBarHeight(const ThemeState& theme, std::int32_t dpi = kBaseDpi);

// The rectangle of the first CLIENT element that applies to the style, or all zero when none
// does, its top moved down by the menu bar strip when `hasMenuBar`: FrameLayout::ClientRect on a
// layout of its own, for a caller that reads nothing else of the window (a tool, a test).
Rect ComputeClientRect(ThemeState& theme, std::uint32_t style, std::int32_t width, std::int32_t height,
                       bool hasMenuBar, std::int32_t dpi = kBaseDpi);

// The menu bar strip, as FrameLayout::MenuBarRect on a layout of its own.
Rect ComputeMenuBarRect(ThemeState& theme, std::uint32_t style, std::int32_t width, std::int32_t height,
                        std::int32_t dpi = kBaseDpi);

}  // namespace vt
