#pragma once
// A corner as a theme writes it: anchor letters, a colon, x and y (TL:0,0, BR:-6,-6, TRF:-40,4).
// The letters read case-insensitively: T B L R pick the window edges the offsets are measured
// from, F and S the drawing mode; other letters add nothing.
#include <cstdint>
#include <string>

#include "theme/model/TUIElement.h"

namespace vt {

struct CornerSpec {
    CornerPoint point;
    std::uint8_t anchor = 0;
};

// An empty token is (0, 0) without anchor bits. A missing colon or comma, or an offset that is
// not a decimal integer, throws ThemeError.
CornerSpec ParseCorner(const std::string& token);

}  // namespace vt
