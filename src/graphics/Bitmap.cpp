#include "graphics/Bitmap.h"

#include <stdexcept>

#include "common/Dpi.h"

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

Bitmap& Bitmap::AddLargerSource(const Bitmap& source, std::int32_t dpi) {
    auto copy = std::make_shared<Bitmap>(source);
    copy->larger_.clear();
    Bitmap& kept = *copy;
    auto at = larger_.begin();
    while (at != larger_.end() && at->first < dpi) ++at;
    if (at != larger_.end() && at->first == dpi) at->second = std::move(copy);
    else larger_.insert(at, {dpi, std::move(copy)});
    return kept;
}

std::pair<const Bitmap*, std::int32_t> Bitmap::SourceFor(std::int32_t dpi) const {
    std::pair<const Bitmap*, std::int32_t> best{this, kBaseDpi};
    for (const auto& [sourceDpi, source] : larger_)
        if (dpi >= sourceDpi - kBaseDpi / 4 && !source->Empty()) best = {source.get(), sourceDpi};
    return best;
}

Colour Bitmap::TransparentColor() const {
    if (hasTransparentColour_) return transparentColour_;
    return Empty() ? 0 : GetPixel(0, height_ - 1);
}

}  // namespace vt
