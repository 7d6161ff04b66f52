#pragma once
// Several previews laid out left to right in one image, a transparent gap between them, each at
// the top; what is not covered by a panel is transparent.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphics/RgbaImage.h"

namespace vt {

// Throws std::invalid_argument when `count` panels of the size, `gap` apart, are past the Bitmap
// limits (asked before the panels are painted).
void CheckSheetSize(std::int64_t width, std::int64_t height, std::size_t count, int gap);

// Throws std::invalid_argument, before allocating, when there is no panel, a panel's pixels do
// not match its size, or the sheet would be past the Bitmap limits.
RgbaImage SideBySide(const std::vector<RgbaImage>& panels, int gap);

}  // namespace vt
