#pragma once
// Where a loaded theme puts its elements on a window of a given size and scale: what theme authors
// check a layout against, at 100 % and at the scales of high-DPI screens.
#include <cstdint>
#include <string>

#include "theme/ThemeState.h"

namespace vt {

// One line per element, "rect I code=HITCODE applies=0|1 L,T,R,B" (or "error=MESSAGE" when its
// OnCalcRect word fails), then "client L,T,R,B" for a window of that size, style
// WS_OVERLAPPEDWINDOW and no menu bar, at `dpi`.
std::string DumpGeometry(ThemeState& theme, std::int32_t width, std::int32_t height, std::int32_t dpi);

}  // namespace vt
