#include "graphics/AlphaOver.h"

#include <algorithm>

namespace vt {
namespace {

constexpr Colour kKey = 0xFF00FF;  // the transparent colour of the theme readers

unsigned Blend(unsigned over, unsigned under, unsigned alpha) {
    return (over * alpha + under * (255 - alpha) + 127) / 255;
}

}  // namespace

void DrawAlphaOver(const RgbaImage& image, Bitmap& base) {
    const bool hadBase = !base.Empty();
    const bool baseKeyed = hadBase && base.Transparent();
    const Colour baseKey = base.TransparentColor();
    Bitmap out;
    if (hadBase) {
        out = base;
    } else {
        out.SetSize(image.width, image.height);  // the PNG reader has checked the size
    }
    bool anyLeftOut = false;
    const int w = std::min(out.Width(), image.width), h = std::min(out.Height(), image.height);
    for (int y = 0; y < h; ++y) {
        Colour* row = out.Row(y);
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = image.Pixel(x, y);
            const unsigned alpha = p[3];
            const bool beneath = hadBase && !(baseKeyed && row[x] == baseKey);
            if (alpha == 255) {
                row[x] = MakeColour(p[0], p[1], p[2]);
            } else if (beneath) {
                const Colour under = row[x];
                row[x] = MakeColour(Blend(p[0], RedOf(under), alpha), Blend(p[1], GreenOf(under), alpha),
                                    Blend(p[2], BlueOf(under), alpha));
            } else if (alpha >= 128) {
                row[x] = MakeColour(p[0], p[1], p[2]);
            } else {
                row[x] = kKey;
                anyLeftOut = true;
            }
        }
    }
    // A base keyed with another colour than ours keeps its own holes under the new key.
    if (baseKeyed && baseKey != kKey && anyLeftOut) {
        for (int y = 0; y < out.Height(); ++y) {
            Colour* row = out.Row(y);
            for (int x = 0; x < out.Width(); ++x)
                if (row[x] == baseKey && (x >= w || y >= h || image.Pixel(x, y)[3] != 255)) row[x] = kKey;
        }
    }
    if (anyLeftOut || baseKeyed) {
        out.SetTransparent(true);
        out.SetTransparentColor(anyLeftOut ? kKey : baseKey);
    }
    base = std::move(out);
}

}  // namespace vt
