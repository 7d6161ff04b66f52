#pragma once
// Draws the drawing layer's bitmaps into Win32 device contexts.
#include <windows.h>

#include "graphics/Bitmap.h"

namespace vt {

// Stretches the whole bitmap over the destination rectangle. When the bitmap's transparency is
// on, pixels of its transparent colour leave the destination as it was. Returns false when GDI
// refused (nothing or part of the picture was drawn); an empty bitmap draws nothing.
bool StretchBitmap(HDC dc, const Bitmap& bitmap, const RECT& destination);

}  // namespace vt
