#pragma once
// The drawing layer's font: a plain record. The Win32 side turns it into an HFONT when drawing.
#include <cstdint>
#include <string>

#include "graphics/Bitmap.h"

namespace vt {

struct Font {
    std::string face = "MS Sans Serif";  // the platform's default face until a theme sets one
    int size = 8;                          // points
    Colour colour = 0x000000;              // text colour, COLORREF (0x80000000 + n: system colour n)
    bool bold = false;
    bool italic = false;
    bool underline = false;

    // Height in pixels at `dpi` dots per inch (96 unless a window is scaled), negative as the
    // platform writes character heights; the menu bar uses its absolute value.
    int Height(int dpi = 96) const { return int(-((std::int64_t(size) * dpi + 36) / 72)); }
};

}  // namespace vt
