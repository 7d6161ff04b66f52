#pragma once
// The transparent pixels of an element, as the window region must leave them out: the element's
// image drawn into a work image exactly as painting draws it (stretched, tiled or once), and the
// runs of key-coloured pixels of each row (or of the other pixels, the ones the region keeps).
#include <cstdint>
#include <vector>

#include "common/Rect.h"
#include "graphics/Bitmap.h"

namespace vt {

// The work image for the part `visible` of an element rectangle `rect` (both in window
// coordinates, `visible` within `rect`): filled with the image's transparent colour, then the
// image drawn into it with its transparency off, by the drawing mode of the element's first
// anchor (0x80 stretched over rect, else 0x40 tiled from rect's top-left, else once at rect's
// top-left, unscaled). Pixels the image does not cover keep the key colour.
Bitmap MakeWorkImage(const Bitmap& image, const Rect& rect, const Rect& visible, std::uint8_t drawingMode);

// The runs of pixels whose red, green and blue equal the key's, row by row from the top, each
// as the rectangle (start, y, end, y + 1) in the image's coordinates; a run open at the row's
// end ends at the width.
std::vector<Rect> TransparentRuns(const Bitmap& work, Colour key);

// The runs of pixels whose colour differs from the key's, as rectangles in the image's
// coordinates, top to bottom and left to right within a row; consecutive rows whose runs start
// and end at the same columns share one rectangle as tall as those rows. They cover exactly the
// pixels TransparentRuns leaves out.
std::vector<Rect> OpaqueRuns(const Bitmap& work, Colour key);

// How many copies tiling draws: (rows + 1) x (columns + 1), rows and columns being the
// rectangle's height and width divided by the image's (truncating). Zero for an image without
// pixels or a rectangle of negative size.
struct TileCount {
    std::int32_t rows = 0;
    std::int32_t columns = 0;
};
TileCount TileCopies(const Rect& rect, std::int32_t imageWidth, std::int32_t imageHeight);

}  // namespace vt
