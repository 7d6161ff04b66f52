#pragma once
// The zoom animation drawn on the screen: dotted focus rectangles, XOR-drawn, so the screen is
// as it was when the animation ends.
#include <windows.h>

namespace vt {

// Runs the trail from `from` to `to` in `steps` steps on the calling thread (5 ms a step).
// Throws std::invalid_argument before drawing anything when steps < 1.
void ZoomRect(const RECT& from, const RECT& to, int steps);

}  // namespace vt
