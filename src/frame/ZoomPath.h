#pragma once
// The path of the zoom animation: a trail of rectangles travelling from one rectangle to another.
// A leading rectangle draws the trail and a trailing one erases it at the same positions half the
// steps later, so that every rectangle is drawn once and erased once (XOR drawing leaves nothing
// behind). Each side moves by its own single-precision increment, rounded to the nearest integer
// with ties to even after every step.
#include <functional>
#include <optional>

#include "common/Rect.h"

namespace vt {

// One iteration of the animation: what is drawn, then what is erased (either may be absent).
struct ZoomFrame {
    std::optional<Rect> draw;
    std::optional<Rect> erase;
};

// Calls `frame` for each iteration from `from` to `to` in `steps` steps (steps + steps / 2 of
// them). Throws std::invalid_argument "Steps must be a non-zero positive number" when steps < 1,
// before any call.
void ForEachZoomFrame(const Rect& from, const Rect& to, int steps, const std::function<void(const ZoomFrame&)>& frame);

}  // namespace vt
