#pragma once
// Stretching by nearest pixel, done by us rather than by the platform: the frame painter and
// the region builder both use it, so the window's shape agrees pixel for pixel with what is
// drawn, on every system.
#include <cstdint>

#include "common/Rect.h"
#include "graphics/Bitmap.h"

namespace vt {

// The source index that destination index d shows when `source` pixels are stretched over
// `destination` pixels (0 <= d < destination).
inline std::int32_t StretchSource(std::int32_t d, std::int32_t destination, std::int32_t source) {
    return std::int32_t(std::int64_t(d) * source / destination);
}

// The pixels of `bitmap` stretched over `dest`, only the part `part` of it (both in the same
// coordinates; `part` lies within `dest`). `out` becomes part's size; its transparency settings
// are copied from `bitmap`. Throws std::length_error when the part is too large for a bitmap.
void StretchPart(const Bitmap& bitmap, const Rect& dest, const Rect& part, Bitmap& out);

// The pixels of copies of `bitmap` laid from `dest`'s top-left corner, rows and columns, only
// the part `part` of `dest` (as for StretchPart). Tiled pieces are drawn and cut out of the
// window region from the same pixels.
void TilePart(const Bitmap& bitmap, const Rect& dest, const Rect& part, Bitmap& out);

// The same pixels written to `out`, part.Width() x part.Height() of them row after row (nothing
// when there is nothing to draw): for callers that keep them elsewhere than in a Bitmap.
void StretchPartInto(const Bitmap& bitmap, const Rect& dest, const Rect& part, Colour* out);
void TilePartInto(const Bitmap& bitmap, const Rect& dest, const Rect& part, Colour* out);

// The intersection of two rectangles (empty: all zero).
Rect Intersection(const Rect& a, const Rect& b);

}  // namespace vt
