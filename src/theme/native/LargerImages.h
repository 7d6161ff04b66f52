#pragma once
// Larger drawings of a theme's images for high display scales: NAME@2x.bmp (or NAME@2x.png) beside
// NAME.bmp is the same image drawn at twice the size, used from 175 % up (see Bitmap::SourceFor).
#include <string>

#include "graphics/Bitmap.h"

namespace vt {

// Attaches the double-size drawing of the image at `path` when one lies beside it. Call it once
// the bitmap's transparency is set: the larger drawing's see-through pixels take the same
// transparent colour. None there is no error; a damaged one raises an error naming it (the
// image itself stays as it is).
void AttachDoubleSizeImage(const std::string& path, Bitmap& bitmap);

}  // namespace vt
