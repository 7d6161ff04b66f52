#pragma once
// Theme images drawn at a display scale. Whole factors (200 %, 300 %) repeat each pixel, so that
// pixel art stays crisp; other factors are smoothed. The transparent colour is never blended:
// whether a pixel is see-through is the nearest source pixel's answer, so the window's shape at
// 150 % is the 100 % shape scaled, and smoothed colours come only from opaque neighbours.
#include <cstdint>

#include "graphics/Bitmap.h"

namespace vt {

// The size of the bitmap (its 100 % size) at `dpi`.
std::int32_t ScaledSide(std::int32_t side, std::int32_t dpi);

// `bitmap` as drawn at `dpi`, from its best source (see Bitmap::SourceFor); `out` gets its
// transparency settings. Throws std::length_error when the result would exceed the bitmap limits.
void ScaleForDpi(const Bitmap& bitmap, std::int32_t dpi, Bitmap& out);

}  // namespace vt
