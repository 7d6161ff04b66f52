#include "graphics/ScaledPixels.h"

#include <algorithm>
#include <vector>

namespace vt {

Rect Intersection(const Rect& a, const Rect& b) {
    Rect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? Rect{} : r;
}

namespace {

// A bitmap of part's size with the source's transparency; false (and an empty bitmap) when there
// is nothing to draw.
bool StartPart(const Bitmap& bitmap, const Rect& dest, const Rect& part, Bitmap& scratch) {
    scratch.SetTransparent(bitmap.Transparent());
    scratch.SetTransparentColor(bitmap.TransparentColor());
    if (bitmap.Empty() || dest.IsEmpty() || part.IsEmpty()) return false;
    scratch.SetSize(part.Width(), part.Height());
    return true;
}

using WritePart = void (*)(const Bitmap&, const Rect&, const Rect&, Colour*);

void IntoBitmap(WritePart write, const Bitmap& bitmap, const Rect& dest, const Rect& part, Bitmap& out) {
    Bitmap scratch;
    if (StartPart(bitmap, dest, part, scratch)) write(bitmap, dest, part, scratch.Row(0));
    out = std::move(scratch);
}

}  // namespace

void StretchPartInto(const Bitmap& bitmap, const Rect& dest, const Rect& part, Colour* out) {
    if (bitmap.Empty() || dest.IsEmpty() || part.IsEmpty()) return;
    const std::int32_t w = part.Width(), h = part.Height();
    // The source column of each destination column, worked out once for all rows.
    std::vector<std::int32_t> columns(static_cast<std::size_t>(w));
    for (std::int32_t x = 0; x < w; ++x) {
        columns[std::size_t(x)] = StretchSource(part.Left - dest.Left + x, dest.Width(), bitmap.Width());
    }
    const Colour* source = bitmap.Pixels().data();
    for (std::int32_t y = 0; y < h; ++y) {
        std::int32_t sy = StretchSource(part.Top - dest.Top + y, dest.Height(), bitmap.Height());
        const Colour* row = source + std::size_t(sy) * std::size_t(bitmap.Width());
        Colour* to = out + std::size_t(y) * std::size_t(w);
        for (std::int32_t x = 0; x < w; ++x) to[x] = row[columns[std::size_t(x)]];
    }
}

void TilePartInto(const Bitmap& bitmap, const Rect& dest, const Rect& part, Colour* out) {
    if (bitmap.Empty() || dest.IsEmpty() || part.IsEmpty()) return;
    const std::int32_t w = part.Width(), h = part.Height(), bw = bitmap.Width(), bh = bitmap.Height();
    const std::int64_t x0 = (std::int64_t(part.Left) - dest.Left) % bw, y0 = (std::int64_t(part.Top) - dest.Top) % bh;
    const Colour* source = bitmap.Pixels().data();
    for (std::int32_t y = 0; y < h; ++y) {
        const Colour* row = source + std::size_t((y0 + y) % bh) * std::size_t(bw);
        Colour* to = out + std::size_t(y) * std::size_t(w);
        std::int64_t sx = x0;
        for (std::int32_t x = 0; x < w; ++x) {
            to[x] = row[sx];
            if (++sx == bw) sx = 0;
        }
    }
}

void StretchPart(const Bitmap& bitmap, const Rect& dest, const Rect& part, Bitmap& out) {
    IntoBitmap(&StretchPartInto, bitmap, dest, part, out);
}

void TilePart(const Bitmap& bitmap, const Rect& dest, const Rect& part, Bitmap& out) {
    IntoBitmap(&TilePartInto, bitmap, dest, part, out);
}

}  // namespace vt
