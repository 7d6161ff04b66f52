#include "graphics/DpiScaling.h"

#include <algorithm>
#include <cmath>

#include "common/Dpi.h"

namespace vt {
namespace {

void Nearest(const Bitmap& source, Bitmap& out) {
    const std::int32_t w = out.Width(), h = out.Height(), sw = source.Width(), sh = source.Height();
    for (std::int32_t y = 0; y < h; ++y) {
        const std::int32_t sy = std::int32_t(std::int64_t(y) * sh / h);
        Colour* row = out.Row(y);
        for (std::int32_t x = 0; x < w; ++x) row[x] = source.GetPixel(std::int32_t(std::int64_t(x) * sw / w), sy);
    }
}

// Bilinear over the four source pixels around each destination pixel's centre, leaving the
// transparent colour out of every blend.
void Smooth(const Bitmap& source, bool keyed, Colour key, Bitmap& out) {
    const std::int32_t w = out.Width(), h = out.Height(), sw = source.Width(), sh = source.Height();
    const double fx = double(sw) / w, fy = double(sh) / h;
    for (std::int32_t y = 0; y < h; ++y) {
        const double cy = std::clamp((y + 0.5) * fy - 0.5, 0.0, double(sh - 1));
        const std::int32_t y0 = std::int32_t(cy), y1 = std::min(y0 + 1, sh - 1);
        const double ty = cy - y0;
        const std::int32_t ny = std::min(std::int32_t((y + 0.5) * fy), sh - 1);
        Colour* row = out.Row(y);
        for (std::int32_t x = 0; x < w; ++x) {
            const double cx = std::clamp((x + 0.5) * fx - 0.5, 0.0, double(sw - 1));
            const std::int32_t x0 = std::int32_t(cx), x1 = std::min(x0 + 1, sw - 1);
            const double tx = cx - x0;
            const std::int32_t nx = std::min(std::int32_t((x + 0.5) * fx), sw - 1);
            if (keyed && source.GetPixel(nx, ny) == key) {
                row[x] = key;
                continue;
            }
            const Colour corner[4] = {source.GetPixel(x0, y0), source.GetPixel(x1, y0), source.GetPixel(x0, y1),
                                      source.GetPixel(x1, y1)};
            const double weight[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
            double r = 0, g = 0, b = 0, total = 0;
            for (int i = 0; i < 4; ++i) {
                if (keyed && corner[i] == key) continue;
                r += weight[i] * RedOf(corner[i]);
                g += weight[i] * GreenOf(corner[i]);
                b += weight[i] * BlueOf(corner[i]);
                total += weight[i];
            }
            if (total <= 0) {
                row[x] = source.GetPixel(nx, ny);
                continue;
            }
            Colour c = MakeColour(unsigned(std::lround(r / total)), unsigned(std::lround(g / total)),
                                  unsigned(std::lround(b / total)));
            // A blend that lands on the key colour by chance would punch a hole: one step off it.
            if (keyed && c == key) c ^= 0x010000;
            row[x] = c;
        }
    }
}

}  // namespace

std::int32_t ScaledSide(std::int32_t side, std::int32_t dpi) { return std::max(ScaleLength(side, dpi), 0); }

void ScaleForDpi(const Bitmap& bitmap, std::int32_t dpi, Bitmap& out) {
    // A larger source keeps the transparency of the image it stands for.
    const Bitmap* source = bitmap.SourceFor(dpi).first;
    Bitmap scaled;
    scaled.SetSize(ScaledSide(bitmap.Width(), dpi), ScaledSide(bitmap.Height(), dpi));
    scaled.SetTransparent(bitmap.Transparent());
    scaled.SetTransparentColor(bitmap.TransparentColor());
    if (!scaled.Empty() && !source->Empty()) {
        const bool whole = scaled.Width() % source->Width() == 0 && scaled.Height() % source->Height() == 0 &&
                           scaled.Width() / source->Width() == scaled.Height() / source->Height();
        if (whole) Nearest(*source, scaled);
        else Smooth(*source, bitmap.Transparent(), bitmap.TransparentColor(), scaled);
    }
    out.Assign(scaled);
}

}  // namespace vt
