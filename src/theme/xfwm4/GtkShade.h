#pragma once
// The lighter, darker and middle colours GTK derives from a base colour (its style's light, dark
// and mid), as xfwm4 computes them for the symbolic colours of its themes: lightness and
// saturation in HLS scaled by 1.3 for light and 0.7 for dark, mid the mean of the two.
#include "graphics/Bitmap.h"

namespace vt {

constexpr double kGtkLightFactor = 1.3;
constexpr double kGtkDarkFactor = 0.7;

// Lightness and saturation times `factor`, each kept within 0..1.
Colour ShadeColour(Colour base, double factor);
Colour LightColour(Colour base);
Colour DarkColour(Colour base);
Colour MidColour(Colour base);

}  // namespace vt
