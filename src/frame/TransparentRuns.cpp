#include "frame/TransparentRuns.h"

#include <algorithm>

#include "graphics/ScaledPixels.h"

namespace vt {
namespace {

// Copies the image unscaled with its top-left corner at (x, y) of the work image (clipped).
void CopyAt(const Bitmap& image, Bitmap& work, std::int64_t x, std::int64_t y) {
    std::int64_t left = std::max<std::int64_t>(0, x), top = std::max<std::int64_t>(0, y);
    std::int64_t right = std::min<std::int64_t>(work.Width(), x + image.Width());
    std::int64_t bottom = std::min<std::int64_t>(work.Height(), y + image.Height());
    if (right <= left || bottom <= top) return;  // the image lies wholly outside the work image
    for (std::int64_t row = top; row < bottom; ++row) {
        const Colour* from = image.Pixels().data() + std::size_t(row - y) * std::size_t(image.Width()) + (left - x);
        std::copy(from, from + (right - left), work.Row(int(row)) + left);
    }
}

}  // namespace

TileCount TileCopies(const Rect& rect, std::int32_t imageWidth, std::int32_t imageHeight) {
    if (imageWidth <= 0 || imageHeight <= 0) return {};
    std::int64_t columns = (std::int64_t(rect.Right) - rect.Left) / imageWidth;
    std::int64_t rows = (std::int64_t(rect.Bottom) - rect.Top) / imageHeight;
    if (rows < 0 || columns < 0) return {};
    return {std::int32_t(rows + 1), std::int32_t(columns + 1)};
}

Bitmap MakeWorkImage(const Bitmap& image, const Rect& rect, const Rect& visible, std::uint8_t drawingMode) {
    Bitmap work;
    if (visible.IsEmpty() || image.Empty()) return work;
    if (drawingMode & 0x80) {
        StretchPart(image, rect, visible, work);
        return work;
    }
    if (drawingMode & 0x40) {
        TilePart(image, rect, visible, work);
        return work;
    }
    work.SetSize(visible.Width(), visible.Height());
    const Colour key = image.TransparentColor();
    std::fill(work.Row(0), work.Row(0) + std::size_t(work.Width()) * std::size_t(work.Height()), key);
    // Copies in work-image coordinates: the rectangle's origin lies at (ox, oy).
    const std::int64_t ox = std::int64_t(rect.Left) - visible.Left, oy = std::int64_t(rect.Top) - visible.Top;
    CopyAt(image, work, ox, oy);
    return work;
}

std::vector<Rect> TransparentRuns(const Bitmap& work, Colour key) {
    std::vector<Rect> runs;
    key &= 0xFFFFFF;
    const std::int32_t w = work.Width();
    for (std::int32_t y = 0; y < work.Height(); ++y) {
        const Colour* row = work.Pixels().data() + std::size_t(y) * std::size_t(w);
        std::int32_t x = 0;
        while (x < w) {
            while (x < w && row[x] != key) ++x;
            if (x == w) break;
            std::int32_t start = x;
            while (x < w && row[x] == key) ++x;
            runs.push_back(Rect{start, y, x, y + 1});
        }
    }
    return runs;
}

std::vector<Rect> OpaqueRuns(const Bitmap& work, Colour key) {
    std::vector<Rect> runs;
    key &= 0xFFFFFF;
    const std::int32_t w = work.Width();
    std::size_t previous = 0;  // where the runs of the row above begin
    for (std::int32_t y = 0; y < work.Height(); ++y) {
        const Colour* row = work.Pixels().data() + std::size_t(y) * std::size_t(w);
        const std::size_t first = runs.size();
        std::int32_t x = 0;
        while (x < w) {
            while (x < w && row[x] == key) ++x;
            if (x == w) break;
            const std::int32_t start = x;
            while (x < w && row[x] != key) ++x;
            runs.push_back(Rect{start, y, x, y + 1});
        }
        // A row like the one above makes that row's rectangles taller instead.
        const std::size_t count = runs.size() - first;
        const bool same = count > 0 && first - previous == count && runs[previous].Bottom == y &&
                          std::equal(runs.begin() + std::ptrdiff_t(first), runs.end(), runs.begin() + std::ptrdiff_t(previous),
                                     [](const Rect& a, const Rect& b) { return a.Left == b.Left && a.Right == b.Right; });
        if (same) {
            for (std::size_t i = previous; i < first; ++i) runs[i].Bottom = y + 1;
            runs.resize(first);
        } else {
            previous = first;
        }
    }
    return runs;
}

}  // namespace vt
