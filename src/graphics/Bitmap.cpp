#include "graphics/Bitmap.h"

#include <stdexcept>

namespace vt {

void Bitmap::SetSize(int w, int h) {
    if (w < 0) w = 0;
    if (h < 0) h = 0;
    if (w > kMaxSide || h > kMaxSide || std::int64_t(w) * h > kMaxPixels)
        throw std::length_error("bitmap too large");
    width_ = w;
    height_ = h;
    pixels_.assign(std::size_t(w) * h, 0);
}

Colour Bitmap::TransparentColor() const {
    if (hasTransparentColour_) return transparentColour_;
    return Empty() ? 0 : GetPixel(0, height_ - 1);
}

}  // namespace vt
