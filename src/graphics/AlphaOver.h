#pragma once
// Turns an image with alpha into a keyed Bitmap, laid over the Bitmap that is already there (a
// theme's XPM of the same name) or alone. The Bitmap type has a transparent colour but no alpha,
// so each pixel of the PNG ends one of three ways:
//   opaque                -> its own colour;
//   partly transparent    -> blended over the pixel beneath when that pixel is opaque; with
//                            nothing beneath (no image, outside it, or a transparent pixel) it
//                            is kept from half opacity up and left out below;
//   fully transparent     -> the pixel beneath shows; with nothing beneath it is left out.
// Pixels left out take the transparent colour (magenta, as XPM's None does) and switch the
// bitmap's transparency on.
#include "graphics/Bitmap.h"
#include "graphics/RgbaImage.h"

namespace vt {

// The base keeps its size when it has one (the PNG is clipped to it or leaves the rest as it
// was); an empty base takes the PNG's size.
void DrawAlphaOver(const RgbaImage& image, Bitmap& base);

}  // namespace vt
