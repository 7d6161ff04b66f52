#pragma once
// Frame pieces that another window manager draws with its own code instead of images (IceWM's
// win95, motif, warp and nice looks, and its pixmap looks where a theme lacks the frame or button
// images), made here as bitmaps so that they go into the element model like any image: a
// bevelled border cut into corners and 1-pixel sides, a solid title strip, button faces with a
// glyph. Colours are 0x00BBGGRR; lighter and darker shades follow IceWM (4/3 and 2/3 of each
// component).
#include "graphics/Bitmap.h"

namespace vt {

Colour Brighter(Colour c);
Colour Darker(Colour c);

enum class Bevel {
    Windows,  // a raised two-line edge: light top and left, black and a dark line bottom and right
    Motif,    // a raised one-line edge outside and a sunken one inside, the border between
    Flat,     // one colour
};

// The eight pieces of a frame with borders bx by by: corners bx x by, top and bottom 1 x by,
// left and right bx x 1, to be tiled between the corners.
struct DrawnFrame {
    Bitmap topLeft, top, topRight, left, right, bottomLeft, bottom, bottomRight;
};
DrawnFrame DrawFrame(int bx, int by, Colour colour, Bevel bevel);

// A strip 1 wide and h high of the colour; with edges (motif, warp3) a light top row and a dark
// bottom row.
Bitmap DrawTitleStrip(int h, Colour colour, bool edges);

// The glyphs we draw for buttons a theme has no image for.
enum class Glyph { Close, Maximize, Minimize, Hide, RollUp, Depth, Menu };

struct ButtonLook {
    Colour face = 0xC0C0C0;
    Colour ink = 0x000000;  // our own glyphs
    Bevel bevel = Bevel::Windows;
    bool pressed = false;
    bool hover = false;     // a flat face lightens
};

// A w x h button: the face as the look draws it, then the image centred on it (its transparent
// pixels left out; null: our own glyph in ink), one pixel down and right when pressed.
Bitmap DrawButton(int w, int h, const ButtonLook& look, const Bitmap* image, Glyph glyph);

}  // namespace vt
