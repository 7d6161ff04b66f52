#include "theme/xfwm4/GtkShade.h"

#include <algorithm>

namespace vt {
namespace {

struct Rgb {
    double r, g, b;
};

Rgb ToRgb(Colour c) { return {RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0}; }

double Channel(double m1, double m2, double hue) {
    while (hue > 360) hue -= 360;
    while (hue < 0) hue += 360;
    if (hue < 60) return m1 + (m2 - m1) * hue / 60;
    if (hue < 180) return m2;
    if (hue < 240) return m1 + (m2 - m1) * (240 - hue) / 60;
    return m1;
}

// GTK 2's style shading: to HLS, lightness and saturation scaled, back to RGB.
Rgb Shade(Rgb c, double factor) {
    const double max = std::max({c.r, c.g, c.b}), min = std::min({c.r, c.g, c.b});
    double h = 0, l = (max + min) / 2, s = 0;
    if (max != min) {
        const double delta = max - min;
        s = l <= 0.5 ? delta / (max + min) : delta / (2 - max - min);
        if (c.r == max) h = (c.g - c.b) / delta;
        else if (c.g == max) h = 2 + (c.b - c.r) / delta;
        else h = 4 + (c.r - c.g) / delta;
        h *= 60;
        if (h < 0) h += 360;
    }
    l = std::clamp(l * factor, 0.0, 1.0);
    s = std::clamp(s * factor, 0.0, 1.0);
    if (s == 0) return {l, l, l};
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return {Channel(m1, m2, h + 120), Channel(m1, m2, h), Channel(m1, m2, h - 120)};
}

// xfwm4 writes GTK's doubles out as 8 bits by truncation; the small lift keeps a value that is
// whole in exact arithmetic (255 computed as 254.9999...) from dropping a step.
unsigned ToByte(double v) { return unsigned(std::clamp(v * 255 + 1e-9, 0.0, 255.0)); }

Colour ToColour(Rgb c) { return MakeColour(ToByte(c.r), ToByte(c.g), ToByte(c.b)); }

}  // namespace

Colour ShadeColour(Colour base, double factor) { return ToColour(Shade(ToRgb(base), factor)); }
Colour LightColour(Colour base) { return ShadeColour(base, kGtkLightFactor); }
Colour DarkColour(Colour base) { return ShadeColour(base, kGtkDarkFactor); }

Colour MidColour(Colour base) {
    const Rgb light = Shade(ToRgb(base), kGtkLightFactor), dark = Shade(ToRgb(base), kGtkDarkFactor);
    return ToColour({(light.r + dark.r) / 2, (light.g + dark.g) / 2, (light.b + dark.b) / 2});
}

}  // namespace vt
